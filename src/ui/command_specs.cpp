#include "command_specs.h"

#include <array>

namespace zenpa::ui {

namespace {

// clang-format off
const CommandSpec kMenuCommands[] = {
    // ファイル
    {"Mnew", u"新規作成(&N)", nullptr, "Ctrl+N"},
    {"Mopen", u"開く(&O)...", nullptr, "Ctrl+O"},
    {"Mclose", u"閉じる(&C)", nullptr, nullptr},
    {"Msave", u"上書き保存(&S)", nullptr, "Ctrl+S"},
    {"Msaveas", u"名前を付けて保存(&A)...", nullptr, nullptr},
    {"Mzpsread", u"書式読み込み(&M)...", nullptr, nullptr},
    {"MTopen", u"テキスト読み込み(&K)...", nullptr, nullptr},
    {"MTsave", u"テキストの保存(&W)...", nullptr, nullptr},
    {"Mbitmap1", u"ビットマップを作成(&B)", nullptr, nullptr},
    {"Mwmf", u"メタファイルを作成(&F)", nullptr, nullptr},
    {"JpegJ1", u"Jpegファイルを作成(&J)", nullptr, nullptr},
    {"MjepgL", u"大", nullptr, nullptr},
    {"MjpegS", u"小", nullptr, nullptr},
    {"Mgazoload", u"画像の読み込み(&G)...", nullptr, nullptr},
    {"KP1", u"印刷(&P)", nullptr, "Ctrl+P"},
    {"Mprinter", u"用紙の設定(&T)...", nullptr, nullptr},
    {"Mdocument", u"プリンターのプロパティ(&D)", nullptr, nullptr},
    {"MprinterCP", u"コントロールパネル－プリンター (&R)", nullptr, nullptr},
    {"Mexit", u"終了(&X)", nullptr, nullptr},
    // 編集
    {"Mundo", u"元に戻す(&U)", nullptr, nullptr},
    {"Mcut", u"切り取り(&T)", nullptr, nullptr},
    {"Mcopy", u"コピー(&C)", nullptr, nullptr},
    {"Mpast", u"貼り付け(&P)", nullptr, nullptr},
    {"Mdelete", u"消去(&D)", nullptr, nullptr},
    {"Mdeleteall", u"全文削除(&A)", nullptr, nullptr},
    {"Mliecopy", u"行コピー(&J)", nullptr, nullptr},
    {"Mlinepast", u"行貼り付け(&K)", nullptr, nullptr},
    {"Mlinedelete", u"行削除(&L)", nullptr, nullptr},
    {"Mpaintedit", u"画像の編集(&G)..", nullptr, nullptr},
    // 印刷
    {"KP3", u"印刷(&P)", nullptr, nullptr},
    {"MextPrint1", u"拡大印刷(&E)", nullptr, nullptr},
    {"KS2", u"用紙の設定(&S)...", nullptr, nullptr},
    {"KR1", u"再表示(&R)", nullptr, nullptr},
    // 設定
    {"Mmode", u"表示モード(&D)", nullptr, nullptr},
    {"Mmode0", u"リアルモード(&R)", nullptr, nullptr},
    {"Mmode1", u"編集モード(&E)", nullptr, nullptr},
    {"Mgradation", u"グラデーション表示(&G)", nullptr, nullptr},
    {"Mfontuser", u"登録フォントの設定(&F)", nullptr, nullptr},
    {"Mzenpa", u"設定レポート(&B)", nullptr, nullptr},
    {"MzenpaMake", u"作成(&M)", nullptr, nullptr},
    {"MzenpaShow", u"表示(&H)", nullptr, nullptr},
    {"Mzpsreg", u"オプション(&P)", nullptr, nullptr},
    {"MzpsKanren", u"zpsファイルの関連付け(&K)", nullptr, nullptr},
    // ヘルプ
    {"Muse", u"使い方(&U)", nullptr, nullptr},
    {"Mminamo", u"ミナモホームページ(&H)", nullptr, nullptr},
    {"Mversion", u"バージョン情報(&A)...", nullptr, nullptr},
    // the menu bar's own item
    {"MPrinterName", u"プリンター", u"ﾌﾟﾘﾝﾀの設定をします。", nullptr},
    // PopupMenu1
    {"KP5", u"印刷", nullptr, nullptr},
    {"KS3", u"用紙の設定", nullptr, nullptr},
    {"N17", u"フォント", nullptr, nullptr},
    {"KN1", u"新規作成", nullptr, nullptr},
    {"KO1", u"開く", nullptr, nullptr},
    {"KC1", u"閉じる", nullptr, nullptr},
    {"KM1", u"書式のみ読み込み", nullptr, nullptr},
    {"KK1", u"ﾃｷｽﾄの読み込み", nullptr, nullptr},
    {"KW1", u"ﾃｷｽﾄの保存", nullptr, nullptr},
    {"KX1", u"終了", nullptr, nullptr},
    // PopupMenu2 (the editor's)
    {"Cut1", u"切り取り", nullptr, nullptr},
    {"N12", u"コピー", nullptr, nullptr},
    {"Paste1", u"貼り付け", nullptr, nullptr},
    {"N15", u"消去", nullptr, nullptr},
    {"N18", u"全文削除", nullptr, nullptr},
    {"N21", u"行コピー", nullptr, nullptr},
    {"N22", u"行貼り付け", nullptr, nullptr},
    {"N23", u"行削除", nullptr, nullptr},
};

const char* const kFileMenu[] = {
    "Mnew", "Mopen", "Mclose", "Msave", "Msaveas", "-", "Mzpsread", "MTopen", "MTsave", "-",
    "Mbitmap1", "Mwmf", ">JpegJ1", "MjepgL", "MjpegS", "<", "-", "Mgazoload", "-", "KP1",
    "Mprinter", "Mdocument", "MprinterCP", "-", "Mexit"};
const char* const kEditMenu[] = {
    "Mundo", "-", "Mcut", "Mcopy", "Mpast", "-", "Mdelete", "Mdeleteall", "-", "Mliecopy",
    "Mlinepast", "Mlinedelete", "-", "Mpaintedit"};
const char* const kPrintMenu[] = {"KP3", "MextPrint1", "KS2", "-", "KR1"};
const char* const kOptionMenu[] = {
    ">Mmode", "Mmode0", "Mmode1", "<", "Mgradation", "-", "Mfontuser", ">Mzenpa", "MzenpaMake",
    "MzenpaShow", "<", ">Mzpsreg", "MzpsKanren", "<"};
const char* const kHelpMenu[] = {"Muse", "-", "Mminamo", "-", "Mversion"};

const MenuSpec kMenus[] = {
    {"Mfile", u"ファイル(&F)", kFileMenu},
    {"Medit", u"編集(&E)", kEditMenu},
    {"Mprint", u"印刷(&I)", kPrintMenu},
    {"Moption", u"設定(&O)", kOptionMenu},
    {"Mhelp", u"ヘルプ(&H)", kHelpMenu},
};

const CommandSpec kMainTools[] = {
    {"SBprint", u"印刷", u"印刷|印刷します。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBpaper", u"用紙･方向", u"用紙･方向|用紙大きさ、方向、プリンターを設定します。", nullptr},
    {"SBorient", u"ﾀﾃ･ﾖｺ", u"ﾀﾃ･ﾖｺ|用紙のタテ･ヨコを切り替えます。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBfont", u"ﾌｫﾝﾄ", u"ﾌｫﾝﾄ|フォントの設定をします。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBfontbold", u"太字", u"太字|フォントを太字にします。", nullptr},
    {"SBfontitalic", u"斜体", u"斜体|フォントを斜体にします。", nullptr},
    {"SBfontunderline", u"下線", u"下線|フォントに下線をつけます。", nullptr},
    {"SBfontstrikeout", u"取消線", u"取消線|ﾌｫﾝﾄに取消線を付けます。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBfontshadow", u"影付き", u"影付き|フォントを影付きにします。", nullptr},
    {"SBfontoutline", u"白抜き", u"白抜き|フォントを白抜きにします。", nullptr},
    {"SBfontgradation", u"ｸﾞﾗﾃﾞｰｼｮﾝ", u"ｸﾞﾗﾃﾞｰｼｮﾝ|フォントをｸﾞﾗﾃﾞｰｼｮﾝにします。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBnew", u"新規作成", u"新規作成 |ﾃｷｽﾄを削除し、各種設定を初期状態にします。", nullptr},
    {"SBopen", u"開く", u"開く|ﾌｧｲﾙを開きます。", nullptr},
    {"SBsave", u"上書き保存", u"上書き保存|ﾌｧｲﾙを上書き保存します。", nullptr},
    {"SBsaveas", u"名前を付けて保存", u"名前を付けて保存|ﾌｧｲﾙに名前を付けて保存します。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBopen2", u"ﾃｷｽﾄ読込", u"ﾃｷｽﾄ読込|ﾃｷｽﾄﾌｧｲﾙを読み込みます。", nullptr},
    {"SBsaveas2", u"ﾃｷｽﾄ保存", u"ﾃｷｽﾄ保存|ﾃｷｽﾄﾌｧｲﾙに保存します。", nullptr},
    {"SBzpsread", u"書式読込", u"書式読込|ﾌｧｲﾙから書式を読み込みます。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBsize0", u"各行同じ", u"各行同じ|各行の文字の大きさを同じにします。", nullptr},
    {"SBsize1", u"各行個別", u"各行個別|文字の大きさを各行個別にします。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBleft", u"左寄せ", u"左寄せ|各行を左寄せにします。", nullptr},
    {"SBcenter", u"中央揃え", u"中央揃え|各行を中央に揃えます。", nullptr},
    {"SBright", u"右寄せ", u"右寄せ|各行を右寄せにします。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBlinefont", u"行設定", u"行設定|行設定の切り替えをします。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBhelp", u"ヘルプ", u"ヘルプ|ヘルプ－目次を表示します。", nullptr},
    {"SBexit", u"終了", u"終了|終了します。", nullptr},
};

const CommandSpec kEditorTools[] = {
    {"SBcut", u"切り取り", u"切り取り|範囲を切り取ります。", nullptr},
    {"SBcopy", u"コピー", u"コピー|範囲をコピーします。", nullptr},
    {"SBpast", u"貼り付け", u"貼り付け|ｸﾘｯﾌﾟﾎﾞｰﾄﾞからﾃｷｽﾄを貼り付けます。", nullptr},
    {"SBdelete", u"消去", u"消去|範囲を消去します。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBdeleteall", u"全文削除", u"全文削除|全文削除します。書式はそのままです。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBlinecopy", u"行ｺﾋﾟｰ", u"行ｺﾋﾟｰ|行をｸﾘｯﾌﾟﾎﾞｰﾄﾞにコピーします。", nullptr},
    {"SBlinepast", u"行貼り付け", u"行貼り付け|行を貼り付けます。", nullptr},
    {"SBlinedelete", u"行削除", u"行削除|行を削除します。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBtop", u"文頭", u"文頭|文頭に移動します。", nullptr},
    {"SBbottom", u"文末", u"文末|文末に移動します。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBmode0", u"ﾘｱﾙﾓｰﾄﾞ", u"ﾘｱﾙﾓｰﾄﾞ|印刷画面をﾘｱﾙﾀｲﾑに表示します。", nullptr},
    {"SBmode1", u"編集ﾓｰﾄﾞ", u"編集ﾓｰﾄﾞ|印刷画面を一時止めます。", nullptr},
    {"-", nullptr, nullptr, nullptr},
    {"SBrepaint", u"再表示", u"再表示|印刷画面を再表示します。", nullptr},
};

const char* const kMainPopup[] = {"KP5", "KS3", "N17", "-", "KN1", "KO1", "KC1", "-",
                                  "KM1", "KK1", "KW1", "-", "KX1"};
const char* const kEditorPopup[] = {"Cut1", "N12", "Paste1", "N15", "N18", "N21", "N22", "N23"};
// clang-format on

} // namespace

std::span<const CommandSpec> MenuCommands() { return kMenuCommands; }
std::span<const MenuSpec> MainMenus() { return kMenus; }
std::span<const CommandSpec> MainToolButtons() { return kMainTools; }
std::span<const CommandSpec> EditorToolButtons() { return kEditorTools; }
std::span<const char* const> MainPopupLayout() { return kMainPopup; }
std::span<const char* const> EditorPopupLayout() { return kEditorPopup; }

const CommandSpec* FindCommand(const QString& name) {
    for (const auto& table : {MenuCommands(), MainToolButtons(), EditorToolButtons()})
        for (const CommandSpec& c : table)
            if (name == QLatin1String(c.name))
                return &c;
    return nullptr;
}

QString ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace zenpa::ui
