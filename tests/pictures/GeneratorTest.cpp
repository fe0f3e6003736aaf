// The picture generator itself: it is repeatable, so the committed
// pictures can be redrawn without noise in the history, and it refuses bad
// arguments with a message.
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int ExitCode = -1;
    QString Errors;
};

Outcome Generate(const QStringList& arguments)
{
    QProcess generator;
    generator.start(QStringLiteral(VELORIN_PICGEN), arguments);
    Outcome run;
    if (!generator.waitForFinished(60000))
        return run;
    run.ExitCode = generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
    run.Errors = QString::fromLocal8Bit(generator.readAllStandardError());
    return run;
}

QMap<QString, QByteArray> FilesUnder(const QString& root)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            files.insert(path.mid(root.size()), file.readAll());
    }
    return files;
}

} // namespace

TEST(Generator, SecondRunWritesTheSameBytes)
{
    QTemporaryDir first, second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    ASSERT_EQ(Generate({first.path()}).ExitCode, 0);
    ASSERT_EQ(Generate({second.path()}).ExitCode, 0);
    const QMap<QString, QByteArray> a = FilesUnder(first.path()), b = FilesUnder(second.path());
    EXPECT_EQ(a.size(), 42) << "42 pictures";
    EXPECT_EQ(a.keys(), b.keys());
    // Every file it writes is committed, and nothing committed is left over.
    EXPECT_EQ(a.keys(), FilesUnder(QStringLiteral(VELORIN_ASSETS)).keys());
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
        EXPECT_TRUE(it.value() == b.value(it.key())) << it.key().toStdString() << " differs between runs";
    }
}

TEST(Generator, RefusesBadArgumentsWithAMessage)
{
    const Outcome none = Generate({});
    EXPECT_NE(none.ExitCode, 0);
    EXPECT_TRUE(none.Errors.contains(QStringLiteral("usage"))) << none.Errors.toStdString();

    const Outcome two = Generate({QStringLiteral("a"), QStringLiteral("b")});
    EXPECT_NE(two.ExitCode, 0);
    EXPECT_TRUE(two.Errors.contains(QStringLiteral("usage"))) << two.Errors.toStdString();

    const Outcome option = Generate({QStringLiteral("--fast")});
    EXPECT_EQ(option.ExitCode, 2);
    EXPECT_TRUE(option.Errors.contains(QStringLiteral("usage"))) << option.Errors.toStdString();

    // A file where the folder should be.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("not-a-folder"));
    {
        QFile plain(file);
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
        plain.write("x");
    }
    const Outcome onFile = Generate({file});
    EXPECT_EQ(onFile.ExitCode, 1);
    EXPECT_TRUE(onFile.Errors.contains(QStringLiteral("not a folder"))) << onFile.Errors.toStdString();

    // A folder below that file cannot be made.
    const Outcome below = Generate({file + QStringLiteral("/assets")});
    EXPECT_EQ(below.ExitCode, 1);
    EXPECT_TRUE(below.Errors.contains(QStringLiteral("cannot make the folder"))) << below.Errors.toStdString();
}
