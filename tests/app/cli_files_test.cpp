#include "cli_runner.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

using test::RunCli;

const char kDocument[] =
    "[System]\nVersion=8.2\n"
    "[File]\nSave=/nowhere/a.zps\n"
    "[Font]\nName=IPAGothic\nColor=$00FF8000\nSColor=9\n"
    "[Prop]\nBai=40\nMode=0\n"
    "[Hani]\nPoint=72\n"
    "[Fontuser]\ncount=2\nLine0=# IPAMincho #\nLine1=#IPAGothic#\n"
    "[Memo]\nCount=2\n[Line01]\nLine=# 大売出し #\n[Line02]\nLine=#本日限り#\n"
    "[LineFont]\nMode=1\nRowcount=3\n[Lfont01]\nFontColor=16\nFontBold=太\n[Lfont02]\nBai=150\n"
    "[Colors]\nColorA=0000FF\nColorP=123456\n";

class CliFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString write(const char* name, const QByteArray& bytes) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    }
    QJsonObject dump(QStringList args) {
        args.prepend(QStringLiteral("dump"));
        const auto r = RunCli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return r.json();
    }
};

QStringList strings(const QJsonValue& v) {
    QStringList out;
    for (const QJsonValue& e : v.toArray())
        out << e.toString();
    return out;
}

TEST_F(CliFiles, DumpShowsWhatTheFileHolds) {
    const QString doc = write("doc.zps", kDocument);
    const QJsonObject j = dump({doc});
    EXPECT_TRUE(j["result"].toBool());
    EXPECT_EQ(strings(j["text"]), (QStringList{" 大売出し ", "本日限り"}));
    const QJsonObject fields = j["fields"].toObject();
    EXPECT_EQ(fields["Font.Color"], QJsonValue("$00FF8000"));
    EXPECT_EQ(fields["Font.SColor"], QJsonValue(9));
    EXPECT_EQ(fields["Prop.Bai"], QJsonValue(40));
    EXPECT_EQ(fields["Prop.Mode"], QJsonValue(0));
    EXPECT_EQ(fields["Hani.Point"], QJsonValue("72"));
    EXPECT_EQ(fields["Font.Name"], QJsonValue("IPAGothic"));
    EXPECT_TRUE(fields.contains("Kakudai.Number"));

    const QJsonArray table = j["lineTable"].toArray();
    ASSERT_EQ(table.size(), 2);
    EXPECT_EQ(strings(table[0]),
              (QStringList{" 大売出し ", "IPAGothic", "その他", "太", "", "", "", "", "40"}));
    EXPECT_EQ(strings(table[1])[8], QStringLiteral("150"));
    EXPECT_EQ(strings(j["registeredFonts"]), (QStringList{" IPAMincho ", "IPAGothic"}));
    const QStringList colors = strings(j["customColors"]);
    ASSERT_EQ(colors.size(), 16);
    EXPECT_EQ(colors[0], QStringLiteral("0000FF"));
    EXPECT_EQ(colors[1], QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(colors[15], QStringLiteral("123456"));
    EXPECT_EQ(j["saveName"].toString(), doc);
    EXPECT_EQ(j["openName"].toString(), doc);
}

TEST_F(CliFiles, DumpModes) {
    const QString doc = write("doc.zps", kDocument);
    QJsonObject j = dump({doc, "--mode", "format"});
    EXPECT_TRUE(strings(j["text"]).isEmpty());
    EXPECT_EQ(j["saveName"].toString(), QString());
    EXPECT_EQ(j["fields"].toObject()["Prop.Bai"], QJsonValue(40));
    // At start-up a remembered name is taken only when its file exists.
    j = dump({"--mode", "startup", doc});
    EXPECT_EQ(j["saveName"].toString(), QString());
    EXPECT_EQ(strings(j["text"]).size(), 2);

    write("bad.zps", "[Font]\nColor=red\n");
    j = dump({path("bad.zps")});
    EXPECT_FALSE(j["result"].toBool());
    EXPECT_EQ(RunCli({"dump", doc, "--mode", "later"}).exitCode, 2);
    EXPECT_EQ(RunCli({"dump"}).exitCode, 2);
}

TEST_F(CliFiles, ConvertWritesWhatDumpReadsBack) {
    const QString in = write("in.zps", kDocument);
    const QString out = path("out.zps");
    auto r = RunCli({"convert", in, "-o", out});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith(QByteArray("\xFF\xFE[\0S\0y\0s\0t\0e\0m\0]\0", 18)));

    const QJsonObject a = dump({in});
    const QJsonObject b = dump({out});
    for (const char* key :
         {"result", "text", "fields", "lineTable", "registeredFonts", "customColors"})
        EXPECT_EQ(a[key], b[key]) << key;
    EXPECT_EQ(b["saveName"].toString(), out);

    // Converting again keeps the first output as the backup.
    ASSERT_EQ(RunCli({"convert", in, "-o", out, "--set", "Prop.Bai=7"}).exitCode, 0);
    EXPECT_EQ(dump({path("out.$$$")})["fields"].toObject()["Prop.Bai"], QJsonValue(40));
    EXPECT_EQ(dump({out})["fields"].toObject()["Prop.Bai"], QJsonValue(7));

    write("bad.zps", "[Font]\nStyle=999\n");
    r = RunCli({"convert", path("bad.zps"), "-o", path("never.zps")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("never.zps")));
    EXPECT_EQ(RunCli({"convert", in}).exitCode, 2);
}

TEST_F(CliFiles, LayoutReadsTheFileBeforeTheSettings) {
    const QString doc = write("doc.zps", kDocument);
    auto labels = [&](QStringList args) {
        args.prepend(QStringLiteral("layout"));
        const auto r = RunCli(args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return r.json();
    };
    QJsonObject j = labels({doc});
    EXPECT_EQ(j["labels"].toObject()["Lbai2"].toString(), QStringLiteral("40%"));
    EXPECT_EQ(j["lines"].toArray().size(), 2);
    j = labels({doc, "--set", "Prop.Bai=50", "--line", "one"});
    EXPECT_EQ(j["labels"].toObject()["Lbai2"].toString(), QStringLiteral("50%"));
    EXPECT_EQ(j["lines"].toArray().size(), 1);

    write("bad.zps", "[Font]\nColor=red\n");
    const auto r = RunCli({"layout", path("bad.zps")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("cannot read"))) << r.err.toStdString();
    EXPECT_EQ(RunCli({"layout", doc, doc}).exitCode, 2);
}

} // namespace
} // namespace zenpa
