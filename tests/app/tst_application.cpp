#include "app/Application.h"

#include <QtTest>

#include <stdexcept>

namespace {

// Fails in the middle of handling an event, as a handler with a fault would.
class Failing : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error("the handler failed");
        return QObject::event(event);
    }
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void uncaughtFailureIsReportedAndTheProgramGoesOn();
};

void TestApplication::uncaughtFailureIsReportedAndTheProgramGoesOn()
{
    auto *application = qobject_cast<TApplication *>(QCoreApplication::instance());
    QVERIFY(application);
    QStringList reports;
    application->ReportError = [&reports](const QString &text) { reports << text; };

    Failing failing;
    QEvent event(QEvent::User);
    QVERIFY(!QCoreApplication::sendEvent(&failing, &event));
    QCOMPARE(reports, QStringList{"the handler failed"});

    // Later events are handled as usual.
    QEvent later(QEvent::None);
    QCoreApplication::sendEvent(&failing, &later);
    QCOMPARE(reports.size(), 1);
}

int main(int argc, char *argv[])
{
    TApplication application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
