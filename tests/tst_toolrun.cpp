// The one way a short tool run goes: scripted tools that hang, read, fail or are cancelled.
#include "testing.h"
#include "tools/toolrun.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

class TestToolRun : public QObject
{
    Q_OBJECT

    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = m_folder.filePath(name);
        return writeScript(path, "#!/bin/sh\n" + body) ? path : QString();
    }

private Q_SLOTS:
    void ends_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("errorLines");
        using End = ToolRun::Result::End;
        QTest::newRow("answers") << QByteArray("printf 'one\\ntwo'\n") << int(End::Exited) << 0 << QByteArray("one\ntwo")
                                 << QString();
        // No terminal and no pipe left open: a tool that reads gets end of file at once.
        QTest::newRow("reads its input") << QByteArray("read line; echo \"got [$line] $?\"\n") << int(End::Exited) << 0
                                         << QByteArray("got [] 1\n") << QString();
        // Only the last lines of a long complaint are kept, trimmed.
        QTest::newRow("fails") << QByteArray("i=0; while [ $i -lt 20 ]; do echo \"  line $i\" >&2; i=$((i+1)); done; exit 3\n")
                               << int(End::Exited) << 3 << QByteArray()
                               << u"line 12\nline 13\nline 14\nline 15\nline 16\nline 17\nline 18\nline 19"_s;
        QTest::newRow("crashes") << QByteArray("echo dying >&2; kill -SEGV $$\n") << int(End::Crashed) << 11 << QByteArray()
                                 << u"dying"_s;
    }

    void ends()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, end);
        QFETCH(int, exitCode);
        const ToolRun::Result result = ToolRun::run(script(u"tool"_s, body), {});
        QCOMPARE(int(result.end), end);
        if (result.end == ToolRun::Result::End::Exited)
            QCOMPARE(result.exitCode, exitCode);
        QTEST(result.output, "output");
        QTEST(result.errorLines, "errorLines");
        QCOMPARE(result.succeeded(), end == int(ToolRun::Result::End::Exited) && exitCode == 0);
    }

    void stopped()
    {
        // A tool that never ends is stopped at its time limit; one cancelled from another thread at once.
        const QString hangs = script(u"hangs"_s, "echo started >&2\nexec sleep 60\n");
        ToolRun::Options limited;
        limited.timeLimit = 300ms;
        QElapsedTimer clock;
        clock.start();
        const ToolRun::Result late = ToolRun::run(hangs, {}, limited);
        QCOMPARE(late.end, ToolRun::Result::End::TimedOut);
        QCOMPARE(late.errorLines, u"started"_s);
        std::atomic<bool> cancelled = false;
        ToolRun::Options cancellable;
        cancellable.cancelled = &cancelled;
        std::thread canceller([&] {
            std::this_thread::sleep_for(200ms);
            cancelled = true;
        });
        const ToolRun::Result stopped = ToolRun::run(hangs, {}, cancellable);
        canceller.join();
        QCOMPARE(stopped.end, ToolRun::Result::End::Cancelled);
        QCOMPARE_LT(clock.elapsed(), 30'000); // neither waited for the minute
        QVERIFY(childProcesses().isEmpty()); // none left behind
        // A program that is not there says why.
        const ToolRun::Result missing = ToolRun::run(m_folder.filePath(u"absent"_s), {});
        QVERIFY(missing.end == ToolRun::Result::End::NotStarted && !missing.errorLines.isEmpty());
        // Standard error as output, for tools that report there.
        ToolRun::Options merged;
        merged.errorsAsOutput = true;
        QCOMPARE(ToolRun::run(script(u"both"_s, "echo out; echo err >&2\n"), {}, merged).output, QByteArray("out\nerr\n"));
    }

private:
    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(TestToolRun)
#include "tst_toolrun.moc"
