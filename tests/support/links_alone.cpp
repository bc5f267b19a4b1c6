// Linked with the whole of one library, to show that it needs no library
// beyond those it declares.
int main()
{
    return 0;
}
