#include "files/format_names.h"
#include "files/ini_text.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zenpa {
namespace {

const QString kSample = QStringLiteral("[Font]\r\nName=ＭＳ 明朝\r\n");

QByteArray encoded(QStringConverter::Encoding e, const QString& text) {
    QStringEncoder enc(e);
    return enc.encode(text);
}

TEST(IniText, EncodingFromMarkOrBytes) {
    struct Case {
        const char* what;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"UTF-8 with mark", QByteArray("\xEF\xBB\xBF") + kSample.toUtf8()},
        {"UTF-16 LE with mark",
         QByteArray("\xFF\xFE") + encoded(QStringConverter::Utf16LE, kSample)},
        {"UTF-16 BE with mark",
         QByteArray("\xFE\xFF") + encoded(QStringConverter::Utf16BE, kSample)},
        {"UTF-8 without mark", kSample.toUtf8()},
        // "ＭＳ 明朝" in Shift_JIS is no valid UTF-8.
        {"Shift_JIS", QByteArray("[Font]\r\nName=\x82\x6C\x82\x72 \x96\xBE\x92\xA9\r\n")},
    };
    for (const Case& c : cases) {
        const IniFile ini = IniFile::parse(DecodeIniBytes(c.bytes));
        EXPECT_EQ(ini.value(QStringLiteral("Font"), QStringLiteral("Name")),
                  QStringLiteral("ＭＳ 明朝"))
            << c.what;
    }
}

TEST(IniText, LineRules) {
    const QString text = QStringLiteral("Early=before any section\n"
                                        "\t [ Font ] \r\n"
                                        "; Name=comment\r\n"
                                        "  Name \t= \x01 a=b \x02 \r"
                                        "NAME=second of the same name\n"
                                        "line without equals\n"
                                        "Blank=\n"
                                        "Wide=\u3000x\u3000\n"
                                        "[font]\n"
                                        "Extra=in a repeated section\n"
                                        "[Other]\n"
                                        "Name=other\n"
                                        "[Bad\n"
                                        "Name=still Other\n");
    const IniFile ini = IniFile::parse(text);
    EXPECT_FALSE(ini.value(QString(), QStringLiteral("Early")));
    EXPECT_EQ(ini.value(QStringLiteral("FONT"), QStringLiteral("name")), QStringLiteral("a=b"));
    EXPECT_EQ(ini.value(QStringLiteral("Font"), QStringLiteral("Blank")), QString());
    // Only characters up to U+0020 are trimmed; the ideographic space is text.
    EXPECT_EQ(ini.value(QStringLiteral("Font"), QStringLiteral("Wide")),
              QStringLiteral("\u3000x\u3000"));
    EXPECT_FALSE(ini.value(QStringLiteral("Font"), QStringLiteral("Extra")));
    EXPECT_FALSE(ini.value(QStringLiteral("Font"), QStringLiteral("line without equals")));
    EXPECT_EQ(ini.value(QStringLiteral("Other"), QStringLiteral("Name")), QStringLiteral("other"));
    EXPECT_FALSE(ini.value(QStringLiteral("Missing"), QStringLiteral("Name")));
    EXPECT_FALSE(ini.hasSection(QStringLiteral("Bad")));
}

TEST(IniText, WriterBytes) {
    IniWriter w;
    w.section(QStringLiteral("A"));
    w.key(QStringLiteral("k"), QStringLiteral("é"));
    w.section(QStringLiteral("B"));
    w.key(QStringLiteral("n"), -5);
    w.key(QStringLiteral("f"), QStringLiteral("/a\r\n[Memo]\nb"));
    const QByteArray bytes = w.toBytes();
    const QByteArray expected =
        QByteArray("\xFF\xFE") +
        encoded(QStringConverter::Utf16LE,
                QStringLiteral("[A]\r\nk=é\r\n\r\n[B]\r\nn=-5\r\nf=/a  [Memo] b\r\n\r\n"));
    EXPECT_EQ(bytes, expected);
}

TEST(IniText, Files) {
    QTemporaryDir dir;
    // A missing file reads as an empty one.
    const auto missing = IniFile::load(dir.filePath(QStringLiteral("none.zps")));
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->hasSection(QStringLiteral("System")));
    // A file that exists but cannot be read fails.
    EXPECT_FALSE(IniFile::load(dir.path()));
    // So does one too large to be a format file (sparse, so cheap to make).
    QFile big(dir.filePath(QStringLiteral("big.zps")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxFormatFileBytes + 1));
    big.close();
    EXPECT_FALSE(IniFile::load(big.fileName()));
}

TEST(IniText, TooManyEntries) {
    const QString text = QStringLiteral("[S]\na=1\nb=2\n[T]\nc=3\n");
    EXPECT_TRUE(IniFile::parse(text, 5).complete());
    const IniFile cut = IniFile::parse(text, 3);
    EXPECT_FALSE(cut.complete());
    EXPECT_FALSE(cut.hasSection(QStringLiteral("T")));
}

TEST(FormatNames, NumbersAndWrapping) {
    EXPECT_EQ(LineSectionName(1), QStringLiteral("Line01"));
    EXPECT_EQ(LineSectionName(9), QStringLiteral("Line09"));
    EXPECT_EQ(LineSectionName(10), QStringLiteral("Line10"));
    EXPECT_EQ(LfontSectionName(100), QStringLiteral("Lfont100"));
    EXPECT_EQ(FontuserKey(0), QStringLiteral("Line0"));
    EXPECT_EQ(FontuserKey(10), QStringLiteral("Line10"));
    EXPECT_EQ(CustomColorKey(15), QStringLiteral("ColorP"));

    struct Case {
        const char* stored;
        const char* text;
    };
    const Case cases[] = {{"# abc #", " abc "}, {"xaby", "ab"}, {"##", ""}, {"#", ""}, {"", ""}};
    for (const Case& c : cases)
        EXPECT_EQ(UnwrapValue(QString::fromUtf8(c.stored)), QString::fromUtf8(c.text)) << c.stored;
    EXPECT_EQ(WrapValue(QStringLiteral(" a ")), QStringLiteral("# a #"));
}

} // namespace
} // namespace zenpa
