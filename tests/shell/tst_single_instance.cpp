#include "SingleInstance.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;
using Start = SingleInstance::Start;

// One running program per user and program folder. The later start runs on a thread of its
// own, as it would in a process of its own, while this thread runs the first one's event loop.
class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void laterStart_data();
    void laterStart();
};

void TestSingleInstance::laterStart_data()
{
    QTest::addColumn<bool>("sameFolder");
    QTest::addColumn<bool>("firstStillRuns");
    QTest::addColumn<bool>("firstAnswers");
    QTest::addColumn<int>("expected");

    QTest::newRow("in the same folder it hands over, token and all")
        << true << true << true << int(Start::HandedOver);
    QTest::newRow("in another folder it runs beside the first")
        << false << true << true << int(Start::Run);
    QTest::newRow("once the first has ended it runs") << true << false << true << int(Start::Run);
    QTest::newRow("a first that never answers is not joined")
        << true << true << false << int(Start::Unanswered);
}

void TestSingleInstance::laterStart()
{
    QFETCH(bool, sameFolder);
    QFETCH(bool, firstStillRuns);
    QFETCH(bool, firstAnswers);
    QFETCH(int, expected);
    QTemporaryDir firstFolder;
    QTemporaryDir otherFolder;

    auto first = std::make_unique<SingleInstance>(firstFolder.path());
    QCOMPARE(first->claim("first"), Start::Run);
    QSignalSpy requests(first.get(), &SingleInstance::activationRequested);
    if (!firstStillRuns)
        first.reset();

    const QString laterFolder = sameFolder ? firstFolder.path() : otherFolder.path();
    Start outcome{};
    std::unique_ptr<QThread> later(QThread::create([laterFolder, &outcome] {
        SingleInstance instance(laterFolder);
        outcome = instance.claim("token-of-the-later-start");
    }));
    later->start();
    if (firstAnswers)
        QTRY_VERIFY_WITH_TIMEOUT(later->isFinished(), 10000);
    QVERIFY(later->wait(10000));
    QCOMPARE(int(outcome), expected);

    const bool handedOver = expected == int(Start::HandedOver);
    QCOMPARE(requests.size(), handedOver ? 1 : 0);
    if (handedOver)
        QCOMPARE(requests.first().first().toByteArray(), "token-of-the-later-start");
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
