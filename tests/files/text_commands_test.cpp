#include "commands_fixture.h"

#include "files/text_files.h"

#include <QFileInfo>
#include <QStringEncoder>

namespace zenpa::test {
namespace {

using TextCommandsTest = CommandsTest;

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

TEST_F(TextCommandsTest, ExportWritesUtf16WithABreakAfterEveryLine) {
    state().doc.lines = {QStringLiteral("A"), QStringLiteral("B")};
    state().saveFileName = path(QStringLiteral("doc.zps"));
    const QString out = path(QStringLiteral("out.txt"));
    chooseFile(out);
    commands.exportText();

    const FileDialogSpec& asked = answers.fileDialogs.back();
    EXPECT_EQ(asked.title, QStringLiteral("テキストファイルの保存"));
    EXPECT_EQ(asked.fileName, QString());
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(asked.filterIndex, kTextFilterEntry);
    EXPECT_EQ(readBytes(out),
              bytes({0xFF, 0xFE, 0x41, 0, 0x0D, 0, 0x0A, 0, 0x42, 0, 0x0D, 0, 0x0A, 0}));
    EXPECT_EQ(state().saveFileName, path(QStringLiteral("doc.zps")));

    EXPECT_EQ(TextFileBytes({}), bytes({0xFF, 0xFE}));
    EXPECT_EQ(TextFileBytes({QString()}), bytes({0xFF, 0xFE, 0x0D, 0, 0x0A, 0}));
}

TEST_F(TextCommandsTest, AFailedExportSaysWhyAndMovesTheCaretToTheStart) {
    state().doc.lines = {QStringLiteral("A")};
    const QString nowhere = path(QStringLiteral("missing/out.txt"));
    chooseFile(nowhere);
    commands.exportText();
    const QStringList box = onlyBox();
    ASSERT_EQ(box.size(), 2);
    EXPECT_EQ(box[0], nowhere);
    EXPECT_FALSE(box[1].isEmpty());
    EXPECT_EQ(caretMoves, 1);
    EXPECT_EQ(busy, 0);
}

TEST(ReadTextFile, TakesTheEncodingFromTheMarkOrTheBytesAndEveryLineEnd) {
    const QString text = QStringLiteral("大売出し\r\n本日限り\n全品\r半額\r\n");
    const QStringList lines = {"大売出し", "本日限り", "全品", "半額"};
    QStringEncoder sjis("Shift_JIS");
    ASSERT_TRUE(sjis.isValid());
    QStringEncoder be(QStringConverter::Utf16BE, QStringConverter::Flag::WriteBom);
    QStringEncoder le(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    QStringEncoder u8bom(QStringConverter::Utf8, QStringConverter::Flag::WriteBom);
    const struct {
        const char* encoding;
        QByteArray data;
    } cases[] = {
        {"UTF-8 with mark", u8bom.encode(text)}, {"UTF-16 LE", le.encode(text)},
        {"UTF-16 BE", be.encode(text)},          {"UTF-8 without mark", text.toUtf8()},
        {"Shift_JIS", sjis.encode(text)},
    };
    QTemporaryDir dir;
    for (const auto& c : cases) {
        const QString p = dir.filePath(QStringLiteral("t.txt"));
        PutBytes(p, c.data);
        QString error;
        const std::optional<QStringList> read = ReadTextFile(p, &error);
        ASSERT_TRUE(read.has_value()) << c.encoding;
        EXPECT_EQ(*read, lines) << c.encoding;
    }
    QString error;
    EXPECT_FALSE(ReadTextFile(dir.filePath(QStringLiteral("none.txt")), &error).has_value());
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(TextCommandsTest, ImportAsksBeforeReplacingTheTextAndKeepsTheFormat) {
    const QString notes = path(QStringLiteral("notes.txt"));
    writeBytes(notes, QByteArrayLiteral("one\ntwo\n"));
    state().doc.lines = {QStringLiteral("mine")};
    state().saveFileName = path(QStringLiteral("doc.zps"));
    state().openFileName = path(QStringLiteral("doc.zps"));
    format().Waku.Waku = true;

    answer(Answer::No);
    chooseFile(notes);
    commands.importText();
    EXPECT_EQ(lastMessage(), kAskImportMessage);
    EXPECT_TRUE(answers.fileDialogs.empty());
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("mine")});
    EXPECT_FALSE(state().redrawSuppressed());

    answer(Answer::Yes);
    commands.importText();
    const FileDialogSpec& asked = answers.fileDialogs.back();
    EXPECT_EQ(asked.title, QStringLiteral("テキストファイルの読み込み"));
    EXPECT_EQ(asked.fileName, QString());
    EXPECT_EQ(asked.defaultSuffix, QStringLiteral("txt"));
    EXPECT_EQ(asked.filterIndex, kTextFilterEntry);
    EXPECT_EQ(state().doc.lines, (QStringList{"one", "two"}));
    EXPECT_TRUE(format().Waku.Waku);
    EXPECT_EQ(state().saveFileName, path(QStringLiteral("doc.zps")));
    EXPECT_EQ(state().openFileName, QStringLiteral("doc.zps"));

    // An empty editor is not asked about.
    state().doc.lines.clear();
    answers.messages.clear();
    chooseFile(notes);
    commands.importText();
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(state().doc.lines.size(), 2);
}

TEST_F(TextCommandsTest, AFileThatCannotBeReadLeavesTheTextAndSaysWhy) {
    state().doc.lines = {QStringLiteral("mine")};
    state().openFileName = QStringLiteral("doc.zps");
    const QString missing = path(QStringLiteral("gone.txt"));
    chooseFile(missing);
    commands.importText(); // answered Yes by default
    ASSERT_EQ(answers.messages.size(), 2u);
    EXPECT_EQ(answers.messages.back().kind, MessageKind::Error);
    EXPECT_TRUE(lastMessage().startsWith(missing + QLatin1Char('\n')));
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("mine")});
    EXPECT_EQ(state().openFileName, QStringLiteral("doc.zps"));
}

TEST_F(TextCommandsTest, DroppedFilesAreTakenByTheirExtension) {
    const QString notes = path(QStringLiteral("notes.TXT"));
    writeBytes(notes, QByteArrayLiteral("dropped\r\n"));
    const QString jpeg = path(QStringLiteral("x.jpeg"));
    writeBytes(jpeg, QByteArrayLiteral("not looked at"));
    QStringList pictures;
    commands.setPictureLoader([&](const QString& p) { pictures << p; });
    const std::string before = StateText(state());

    commands.dropFiles({jpeg, notes});
    EXPECT_EQ(StateText(state()), before);
    commands.dropFiles({path(QStringLiteral("LOGO.BMP"))});
    EXPECT_EQ(pictures, QStringList{path(QStringLiteral("LOGO.BMP"))});

    state().doc.lines = {QStringLiteral("mine")};
    commands.dropFiles({notes, jpeg});
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("dropped")});
}

TEST_F(TextCommandsTest, ADroppedFormatFileIsReadOverTheDocument) {
    // No reset before it: keys the file lacks keep their values.
    const QString doc =
        writeText(QStringLiteral("[Memo]\nCount=1\n[Line01]\nLine=#dropped#\n[Prop]\nSet=2\n"
                                 "[Form]\nLeft=7\nTop=8\nWidth=700\nHeight=500\n"),
                  QStringLiteral("Sign.ZPS"));
    format().Waku.Waku = true;
    commands.dropFiles({doc});
    EXPECT_TRUE(answers.messages.empty());
    EXPECT_EQ(state().doc.lines, QStringList{QStringLiteral("dropped")});
    EXPECT_EQ(format().Prop.Set, kAlignRight);
    EXPECT_TRUE(format().Waku.Waku);
    EXPECT_EQ(state().window, (WindowPlace{7, 8, 700, 500, 1}));
    EXPECT_EQ(state().saveFileName, doc);
    EXPECT_EQ(panel, QStringLiteral("Sign.ZPS"));

    // One that fails half-way is not left half-applied.
    const std::string before = StateText(state());
    commands.dropFiles({writeText(
        QStringLiteral("[Memo]\nCount=1\n[Line01]\nLine=#half#\n[Prop]\nSet=0\n[Waku]\nPcolor=x\n"),
        QStringLiteral("bad.zps"))});
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_TRUE(lastMessage().startsWith(kOpenFailedMessage));
    EXPECT_EQ(StateText(state()), before);
}

} // namespace
} // namespace zenpa::test
