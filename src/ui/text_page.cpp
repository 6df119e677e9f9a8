#include "text_page.h"

#include "platform/font_backend.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QTextBlock>
#include <QToolBar>
#include <QVBoxLayout>

namespace zenpa::ui {

namespace {
constexpr int kCaretLimit = 65535;
}

TextPage::TextPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_toolBar(new QToolBar(this)),
      m_edit(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("TS1"));
    m_toolBar->setObjectName(QStringLiteral("ToolBar1"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_toolBar->setIconSize(QSize(16, 16));

    m_edit->setObjectName(QStringLiteral("Memo1"));
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_edit->setStatusTip(QStringLiteral("印刷するテキストを入力して下さい。"));
    m_edit->setAttribute(Qt::WA_InputMethodEnabled);
    QFont f(FontBackend::instance().resolveFamily(QStringLiteral("ＭＳ ゴシック")));
    f.setPixelSize(19);
    m_edit->setFont(f);
    m_edit->setContextMenuPolicy(Qt::CustomContextMenu);
    m_edit->installEventFilter(this);
    m_edit->viewport()->installEventFilter(this);

    auto* status = new QWidget(this);
    status->setObjectName(QStringLiteral("memoline"));
    status->setStatusTip(QStringLiteral("行数　　行：列　　モード"));
    auto* row = new QHBoxLayout(status);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (QLabel*& panel : m_panels) {
        panel = new QLabel(status);
        panel->setFixedWidth(120);
        panel->setFrameShape(QFrame::StyledPanel);
        row->addWidget(panel);
    }
    row->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_edit, 1);
    layout->addWidget(status);

    connect(m_edit, &QPlainTextEdit::textChanged, this, &TextPage::onTextChanged);
    connect(m_edit, &QPlainTextEdit::cursorPositionChanged, this, &TextPage::refreshStatus);
    m_state.addObserver(this);
    loadFromDocument();
}

TextPage::~TextPage() { m_state.removeObserver(this); }

void TextPage::stateChanged(unsigned changes) {
    if (changes & kChangeText)
        loadFromDocument();
    if (changes & (kChangeFormat | kChangeText))
        refreshStatus();
}

void TextPage::loadFromDocument() {
    if (SplitEditorText(m_edit->toPlainText()) == m_state.doc.lines)
        return;
    m_loading = true;
    m_edit->setPlainText(JoinEditorText(m_state.doc.lines));
    m_loading = false;
    refreshStatus();
}

void TextPage::onTextChanged() {
    if (!m_inUndo)
        m_lastWasUndo = false;
    if (m_loading)
        return;
    m_state.doc.lines = SplitEditorText(m_edit->toPlainText());
    if (m_state.doc.format.Prop.Mode)
        m_state.requestRedraw();
    refreshStatus();
}

QString TextPage::lineCountText() const {
    return QString::number(SplitEditorText(m_edit->toPlainText()).size()) + QStringLiteral(" 行");
}

QString TextPage::caretText() const {
    // Positions count a line break as two characters, as the stored text does.
    const QTextCursor c = m_edit->textCursor();
    const int start = std::min(c.position(), c.anchor());
    const QTextBlock block = m_edit->document()->findBlock(start);
    const int line = block.blockNumber();
    const int p = start + line;
    const int s = block.position() + line;
    if (p > kCaretLimit || line > kCaretLimit || s > kCaretLimit)
        return QStringLiteral("0:0");
    return QStringLiteral("%1:%2").arg(line + 1).arg(p - s + 1);
}

QString TextPage::modeText() const {
    return m_state.doc.format.Prop.Mode ? QStringLiteral("ﾘｱﾙﾓｰﾄﾞ") : QStringLiteral("編集ﾓｰﾄﾞ");
}

void TextPage::refreshStatus() {
    m_panels[0]->setText(lineCountText());
    m_panels[1]->setText(caretText());
    m_panels[2]->setText(modeText());
}

bool TextPage::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
        refreshStatus();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TextPage::hasSelection() const { return m_edit->textCursor().hasSelection(); }

bool TextPage::canUndo() const {
    const QTextDocument* d = m_edit->document();
    return d->isUndoAvailable() || (m_lastWasUndo && d->isRedoAvailable());
}

bool TextPage::clipboardHasText() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

void TextPage::undo() {
    // One step: undoing twice takes the first undo back.
    QTextDocument* d = m_edit->document();
    m_inUndo = true;
    if (m_lastWasUndo && d->isRedoAvailable()) {
        m_edit->redo();
        m_lastWasUndo = false;
    } else if (d->isUndoAvailable()) {
        m_edit->undo();
        m_lastWasUndo = true;
    }
    m_inUndo = false;
    refreshStatus();
}

void TextPage::cut() {
    if (!hasSelection())
        return;
    m_edit->cut();
    m_state.requestRedraw();
    refreshStatus();
}

void TextPage::copy() {
    if (!hasSelection())
        return;
    m_edit->copy();
    QTextCursor c = m_edit->textCursor();
    const int start = std::min(c.position(), c.anchor());
    c.setPosition(start);
    m_edit->setTextCursor(c);
    m_state.requestRedraw();
    refreshStatus();
}

void TextPage::paste() {
    if (!clipboardHasText())
        return;
    m_edit->textCursor().insertText(QApplication::clipboard()->text());
    m_state.requestRedraw();
    refreshStatus();
}

void TextPage::deleteSelection() {
    if (!hasSelection())
        return;
    m_edit->textCursor().removeSelectedText();
    m_state.requestRedraw();
    refreshStatus();
}

void TextPage::lineCopy() { m_state.lineBuffer = m_edit->textCursor().block().text(); }

void TextPage::linePaste() {
    QTextCursor c = m_edit->textCursor();
    c.setPosition(c.block().position());
    c.insertText(m_state.lineBuffer + QLatin1Char('\n'));
    refreshStatus();
}

void TextPage::lineDelete() {
    QTextCursor c = m_edit->textCursor();
    const QTextBlock block = c.block();
    c.setPosition(block.position());
    if (block.next().isValid())
        c.setPosition(block.next().position(), QTextCursor::KeepAnchor);
    else
        c.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    c.removeSelectedText();
    m_edit->setTextCursor(c);
    refreshStatus();
}

void TextPage::goTop() {
    Q_EMIT wantsFront();
    QTextCursor c = m_edit->textCursor();
    c.setPosition(0);
    m_edit->setTextCursor(c);
    m_edit->ensureCursorVisible();
    m_edit->setFocus();
    refreshStatus();
}

void TextPage::goBottom() {
    Q_EMIT wantsFront();
    // One before the end: a line break counts as two characters, so the
    // position falls before the last character of the text.
    const int length = m_edit->document()->characterCount() - 1;
    QTextCursor c = m_edit->textCursor();
    c.setPosition(std::max(0, length - 1));
    m_edit->setTextCursor(c);
    m_edit->ensureCursorVisible();
    m_edit->setFocus();
    refreshStatus();
}

} // namespace zenpa::ui
