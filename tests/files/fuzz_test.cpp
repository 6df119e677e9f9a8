// The reader against damaged files: a seeded mutator over files the writer
// produced and hand-made edge files. Every read must end (true or false),
// leave the state within its limits, and whatever it accepted must survive
// being written and read again. Runs under the sanitizers with the other tests.

#include "files_fixture.h"

#include "core/format_fields.h"
#include "decor/line_table.h"
#include "files/format_names.h"

#include <QStringEncoder>

#include <random>
#include <string>

namespace zenpa::test {
namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kIterations = 1000;

QByteArray utf16le(const QString& text) {
    QStringEncoder e(QStringConverter::Utf16LE);
    return QByteArray("\xFF\xFE") + QByteArray(e.encode(text));
}

std::vector<QByteArray> seedFiles(const QString& dir) {
    std::vector<QByteArray> seeds;
    Program plain;
    plain.state.doc.lines = {QStringLiteral("大売出し"), QStringLiteral(" 本日限り ")};
    seeds.push_back(FormatFileBytes(plain.state, plain.canvas, dir + QStringLiteral("/a.zps")));

    Program rich;
    FormatRecord& f = rich.format();
    rich.state.doc.lines = {QStringLiteral("one"), QString(), QStringLiteral("#3#")};
    f.LineFont.Mode = true;
    f.Menu.Gradation = true;
    f.Font.Efect = kEffectGradation;
    f.Fontuser.Names = {QStringLiteral("A"), QStringLiteral(" B ")};
    f.Hani.Hani = kRangeSize;
    f.Hani.Center = true;
    f.Gazo.File = dir + QStringLiteral("/a.zps");
    SyncLineTable(rich.state.doc.lines, f, nullptr);
    f.LineFont.Table.row(2)[kColColor] = QStringLiteral("その他");
    rich.state.computePrintRange();
    seeds.push_back(FormatFileBytes(rich.state, rich.canvas, dir + QStringLiteral("/b.zps")));

    seeds.push_back(
        QByteArray("[System]\r\nVersion=2.0\r\n[Memo]\r\nCount=2\r\n[Line01]\r\n"
                   "Line=\x83\x65\x83\x58\x83\x67\r\n[Font]\r\nName=\x82\x6C\x82\x72\r\n"));
    seeds.push_back(QByteArray("\xEF\xBB\xBF;comment\n[font]\nCOLOR=clRed\nStyle=$0F\n[font]\n"
                               "Color=red\n[LineFont]\nRowcount=4\nMode=1\n[Lfont02]\nEffect=白\n"
                               "FontColor=16\n[Fontuser]\ncount=3\nLine2=#x#\n"));
    QStringEncoder be(QStringConverter::Utf16BE);
    seeds.push_back(
        QByteArray("\xFE\xFF") +
        QByteArray(be.encode(QStringLiteral("[Memo]\r\nCount=1\r\n[Line01]\r\nLine=#é#\r\n"))));
    seeds.push_back(
        utf16le(QStringLiteral("[Form]\r\nLeft=-5\r\nState=3\r\n[Paper]\r\nName=40000\r\n")));
    seeds.push_back(QByteArray());
    seeds.push_back(QByteArray("\xFF\xFE["));
    return seeds;
}

class Mutator {
public:
    explicit Mutator(unsigned seed) : m_rng(seed) {}

    QByteArray mutate(QByteArray data, const std::vector<QByteArray>& seeds) {
        const int steps = 1 + pick(4);
        for (int i = 0; i < steps; ++i)
            step(data, seeds);
        return data;
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    qsizetype at(const QByteArray& d) { return d.isEmpty() ? 0 : pick(static_cast<int>(d.size())); }

    QByteArray token(bool wide) {
        static const char* tokens[] = {
            "=",
            "[",
            "]",
            "\r\n",
            "\n",
            "#",
            "$",
            "0x",
            "-",
            ";",
            "\x00",
            "\xFF\xFE",
            "\xEF\xBB\xBF",
            "2147483647",
            "-2147483648",
            "99999",
            "100001",
            "$FFFFFFFF",
            "[Memo]",
            "Count=",
            "[LineFont]",
            "Rowcount=",
            "[Fontuser]",
            "count=",
            "[Font]",
            "Color=",
            "Style=",
            "[Lfont01]",
            "FontColor=",
            "[Gazo]",
            "File=/",
            "[System]",
            "Version=2.0",
            "\x82",
            "\x83\x65",
        };
        const char* t = tokens[pick(static_cast<int>(std::size(tokens)))];
        const QByteArray bytes = *t ? QByteArray(t) : QByteArray(1, '\0');
        if (!wide) return bytes;
        QStringEncoder e(QStringConverter::Utf16LE);
        return e.encode(QString::fromLatin1(bytes));
    }

    void step(QByteArray& d, const std::vector<QByteArray>& seeds) {
        const bool wide = d.startsWith("\xFF\xFE") && pick(2) == 0;
        switch (pick(7)) {
        case 0: // flip a bit
            if (!d.isEmpty()) d[at(d)] = static_cast<char>(d[at(d)] ^ (1 << pick(8)));
            break;
        case 1: // a random byte
            if (!d.isEmpty()) d[at(d)] = static_cast<char>(pick(256));
            break;
        case 2: // a token
            d.insert(at(d), token(wide));
            break;
        case 3: { // erase a range
            const qsizetype p = at(d);
            d.remove(p, pick(64));
            break;
        }
        case 4: { // repeat a range
            const qsizetype p = at(d);
            const QByteArray chunk = d.mid(p, pick(256));
            d.insert(at(d), chunk);
            break;
        }
        case 5: { // splice in a piece of another file
            const QByteArray& other =
                seeds[static_cast<std::size_t>(pick(static_cast<int>(seeds.size())))];
            d.insert(at(d), other.mid(at(other), pick(512)));
            break;
        }
        case 6: { // a digit run becomes another number
            const qsizetype p = at(d);
            qsizetype q = p;
            while (q < d.size() && d[q] >= '0' && d[q] <= '9')
                ++q;
            static const char* numbers[] = {"0",  "1",     "255",    "256",
                                            "-1", "65536", "100000", "99999999999"};
            d.replace(p, q - p, numbers[pick(static_cast<int>(std::size(numbers)))]);
            break;
        }
        }
    }

    std::mt19937 m_rng;
};

// What must hold after any read, failed or not.
std::string limitsBroken(const Program& p) {
    const FormatRecord& f = p.state.doc.format;
    const auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
    const PrintRangeState& r = p.state.range;
    const struct {
        bool ok;
        const char* what;
    } checks[] = {
        {p.state.doc.lines.size() <= kMaxStoredCount, "line count"},
        {f.Fontuser.Names.size() <= kMaxStoredCount, "registered fonts"},
        {f.LineFont.Table.gridRowCount() <= kMaxStoredCount + 1, "table rows"},
        {!f.Font.Name.isEmpty(), "empty face"},
        {in(f.Font.Style, 0, 255), "Font.Style"},
        {in(p.state.effectItems, 3, 4), "effect items"},
        {in(f.Font.Efect, -1, p.state.effectItems - 1), "Font.Efect"},
        {in(f.Font.SColor, 0, 16), "Font.SColor"},
        {in(f.Font.ShadowWidth, 1, 9999), "Font.ShadowWidth"},
        {in(f.Font.OutLine, 1, 100), "Font.OutLine"},
        {in(f.Prop.Bai, 1, 100) && in(f.Prop.BaiH, 1, 100), "Prop.Bai"},
        {in(f.Hani.Hani, 0, 4), "Hani.Hani"},
        {in(f.Waku.Wakuset, 1, 100), "Waku.Wakuset"},
        {in(f.Gazo.Left, 1, r.page.Width) && in(f.Gazo.Width, 1, r.page.Width), "Gazo x"},
        {in(f.Gazo.Top, 1, r.page.Height) && in(f.Gazo.Height, 1, r.page.Height), "Gazo y"},
        {in(r.range.Px, 0, r.range.Px2) && in(r.range.Px2, 0, r.W), "range x"},
        {in(r.range.Py, 0, r.range.Py2) && in(r.range.Py2, 0, r.H), "range y"},
        {in(p.state.window.Left, 0, p.state.screenSize.width()), "window left"},
        {in(p.state.window.State, 1, 3), "window state"},
    };
    for (const auto& c : checks)
        if (!c.ok) return c.what;
    return {};
}

// What a second program reads back from the first one's file.
std::string differenceAfterRewrite(Program& first, const QString& file) {
    // The bytes of the writer without the safe save, whose flushes to disk
    // would dominate the run.
    QFile out(file);
    const QByteArray bytes = FormatFileBytes(first.state, first.canvas, file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        return "cannot write";
    out.close();
    Program second;
    if (!second.read(file, ModeStartup)) return "the rewritten file does not read";
    for (const FieldInfo& field : FormatFields())
        if (FormatFieldText(second.format(), field) != FormatFieldText(first.format(), field))
            return std::string("field ") + field.name;
    if (second.state.doc.lines != first.state.doc.lines) return "text";
    if (second.format().Fontuser.Names != first.format().Fontuser.Names) return "registered fonts";
    const LineFontTable& a = first.format().LineFont.Table;
    const LineFontTable& b = second.format().LineFont.Table;
    if (a.gridRowCount() != b.gridRowCount()) return "table rows";
    for (int n = 1; n <= a.dataRowCount(); ++n)
        if (a.row(n) != b.row(n)) return "table row " + std::to_string(n);
    if (!(second.state.window == first.state.window)) return "window";
    return {};
}

TEST_F(FilesTest, DamagedFilesReadSafely) {
    const std::vector<QByteArray> seeds = seedFiles(dir.path());
    Mutator mutator(kSeed);
    const QString input = path("fuzz.zps");
    const QString rewritten = path("rewritten.zps");
    int accepted = 0;
    for (int i = 0; i < kIterations; ++i) {
        const QByteArray& seed = seeds[static_cast<std::size_t>(i) % seeds.size()];
        const QByteArray bytes = mutator.mutate(seed, seeds);
        writeBytes(input, bytes);
        Program reader;
        const ReadMode mode = static_cast<ReadMode>(i % 3);
        const bool ok = reader.read(input, mode);
        std::string broken = limitsBroken(reader);
        // Reading whatever was accepted back through the writer needs the text
        // as the program holds it; the format-only read has none of the file's.
        if (broken.empty() && ok) broken = differenceAfterRewrite(reader, rewritten);
        accepted += ok;
        if (!broken.empty()) {
            ADD_FAILURE() << "iteration " << i << " (seed " << kSeed << ", mode " << mode
                          << "): " << broken
                          << "\ninput (base64): " << bytes.toBase64().constData();
            break;
        }
    }
    // The corpus is meant to exercise both outcomes.
    EXPECT_GT(accepted, kIterations / 4);
    EXPECT_LT(accepted, kIterations);
}

} // namespace
} // namespace zenpa::test
