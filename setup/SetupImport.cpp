#include "setup/SetupImport.h"

#include "app/FormMain.h"

SetupImport::SetupImport(TFormMain &form) : w(form) {}
