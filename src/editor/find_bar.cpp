#include "editor/find_bar.h"

#include "editor/text_search.h"

#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolButton>
#include <optional>

namespace {

// Lays a large edit out once, as QTextEdit does after a resize: no layout while the edit is
// made, then the document is laid out again from its start in steps, at once only as far
// as the view reaches, so the view keeps its place.
class LayoutOnceAfter
{
public:
    explicit LayoutOnceAfter(QTextEdit *edit)
        : m_edit(edit), m_page(edit->document()->pageSize()),
          m_viewBottom(edit->verticalScrollBar()->value() + edit->viewport()->height())
    {
        m_edit->document()->setPageSize(QSizeF(0, 0)); // null: no layout at all
    }
    ~LayoutOnceAfter()
    {
        QAbstractTextDocumentLayout *layout = m_edit->document()->documentLayout();
        {
            // The first step's small size must not reach the scroll bar: it would take
            // the view to the top. The layout reports the size again in its next step.
            const QSignalBlocker quiet(layout);
            m_edit->document()->setPageSize(m_page);
            layout->hitTest(QPointF(0, m_viewBottom), Qt::FuzzyHit);
        }
        m_edit->viewport()->update();
    }
    Q_DISABLE_COPY_MOVE(LayoutOnceAfter)

private:
    QTextEdit *m_edit;
    QSizeF m_page;
    int m_viewBottom;
};

} // namespace

FindBar::FindBar(QTextEdit *edit, QWidget *parent) : QWidget(parent), m_edit(edit)
{
    setObjectName(QStringLiteral("findBar"));
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("findText"));
    m_find->setPlaceholderText(QStringLiteral("查找内容"));
    m_find->setAccessibleName(QStringLiteral("查找内容")); // Qt does not read the placeholder
    m_find->setClearButtonEnabled(true);
    m_replace = new QLineEdit(this);
    m_replace->setObjectName(QStringLiteral("replaceText"));
    m_replace->setPlaceholderText(QStringLiteral("替换为"));
    m_replace->setAccessibleName(QStringLiteral("替换为"));
    m_next = new QPushButton(QStringLiteral("下一个"), this);
    m_next->setObjectName(QStringLiteral("findNext"));
    m_next->setToolTip(QStringLiteral("查找下一个 (F3)"));
    m_previous = new QPushButton(QStringLiteral("上一个"), this);
    m_previous->setObjectName(QStringLiteral("findPrevious"));
    m_previous->setToolTip(QStringLiteral("查找上一个 (Shift+F3)"));
    m_replaceOne = new QPushButton(QStringLiteral("替换"), this);
    m_replaceOne->setObjectName(QStringLiteral("replaceOne"));
    m_replaceAll = new QPushButton(QStringLiteral("全部替换"), this);
    m_replaceAll->setObjectName(QStringLiteral("replaceAll"));
    m_matchCase = new QCheckBox(QStringLiteral("区分大小写"), this);
    m_matchCase->setObjectName(QStringLiteral("matchCase"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("findNote"));
    m_close = new QToolButton(this);
    m_close->setObjectName(QStringLiteral("closeFindBar"));
    m_close->setText(QStringLiteral("×"));
    m_close->setToolTip(QStringLiteral("关闭 (Esc)"));
    m_close->setAutoRaise(true);
    auto *findLabel = new QLabel(QStringLiteral("查找："), this);
    m_replaceLabel = new QLabel(QStringLiteral("替换："), this);
    for (QPushButton *button : {m_next, m_previous, m_replaceOne, m_replaceAll})
        button->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(2);
    layout->addWidget(findLabel, 0, 0);
    layout->addWidget(m_find, 0, 1);
    layout->addWidget(m_next, 0, 2);
    layout->addWidget(m_previous, 0, 3);
    layout->addWidget(m_matchCase, 0, 4);
    layout->addWidget(m_note, 0, 5);
    layout->addWidget(m_close, 0, 6);
    layout->addWidget(m_replaceLabel, 1, 0);
    layout->addWidget(m_replace, 1, 1);
    layout->addWidget(m_replaceOne, 1, 2);
    layout->addWidget(m_replaceAll, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setColumnStretch(5, 1);

    connect(m_next, &QPushButton::clicked, this, &FindBar::findNext);
    connect(m_previous, &QPushButton::clicked, this, &FindBar::findPrevious);
    connect(m_replaceOne, &QPushButton::clicked, this, &FindBar::replaceOne);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindBar::replaceAllMatches);
    connect(m_close, &QToolButton::clicked, this, &FindBar::hideBar);
    connect(m_find, &QLineEdit::textEdited, this, [this] { setNote(QString()); });
    connect(m_matchCase, &QCheckBox::toggled, this, [this] { setNote(QString()); });
    m_find->installEventFilter(this);
    m_replace->installEventFilter(this);
    setReplaceVisible(false);
    hide();
}

void FindBar::setReplaceVisible(bool visible)
{
    const QList<QWidget *> parts = {m_replaceLabel, m_replace, m_replaceOne, m_replaceAll};
    for (QWidget *part : parts)
        part->setVisible(visible);
}

void FindBar::showFind()
{
    open(false);
}

void FindBar::showReplace()
{
    open(true);
}

void FindBar::open(bool withReplace)
{
    const QString selected = m_edit->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_find->setText(selected);
    setReplaceVisible(withReplace);
    setNote(QString());
    show();
    m_find->setFocus();
    m_find->selectAll();
}

void FindBar::hideBar()
{
    hide();
    m_edit->setFocus();
}

bool FindBar::findNext()
{
    return find(false);
}

bool FindBar::findPrevious()
{
    return find(true);
}

bool FindBar::find(bool backward)
{
    const QString needle = m_find->text();
    if (needle.isEmpty()) {
        setNote(QString());
        return false;
    }
    TextSearch::Options options;
    options.matchCase = m_matchCase->isChecked();
    options.backward = backward;
    const TextSearch::Match match =
        TextSearch::find(m_edit->document(), m_edit->textCursor(), needle, options);
    if (match.cursor.isNull()) {
        setNote(QStringLiteral("找不到"));
        return false;
    }
    m_edit->setTextCursor(match.cursor);
    m_edit->ensureCursorVisible();
    setNote(match.wrapped ? (backward ? QStringLiteral("已从末尾继续查找")
                                      : QStringLiteral("已从开头继续查找"))
                          : QString());
    return true;
}

void FindBar::replaceOne()
{
    QTextCursor cursor = m_edit->textCursor();
    if (TextSearch::selects(cursor, m_find->text(), m_matchCase->isChecked())) {
        cursor.insertText(m_replace->text(), cursor.charFormat());
        m_edit->setTextCursor(cursor);
    }
    findNext();
}

int FindBar::replaceAllMatches()
{
    QTextDocument *doc = m_edit->document();
    const QString needle = m_find->text();
    const QList<qsizetype> starts = TextSearch::findAll(doc, needle, m_matchCase->isChecked());
    int count = 0;
    if (!starts.isEmpty()) {
        // Laying the edited span out again costs more than laying out the document up to
        // the view's end when the matches spread wider than that.
        const qsizetype span = starts.last() + needle.size() - starts.first();
        const int viewEnd =
            m_edit->cursorForPosition(m_edit->viewport()->rect().bottomRight()).position();
        std::optional<LayoutOnceAfter> layout;
        if (span > viewEnd)
            layout.emplace(m_edit);
        count = TextSearch::replaceMatches(doc, starts, needle.size(), m_replace->text());
    }
    setNote(count > 0 ? QStringLiteral("已替换 %1 处").arg(count) : QStringLiteral("找不到"));
    return count;
}

QString FindBar::findText() const
{
    return m_find->text();
}

QString FindBar::note() const
{
    return m_note->text();
}

void FindBar::setNote(const QString &text)
{
    m_note->setText(text);
}

bool FindBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == m_replace && !(key->modifiers() & Qt::ShiftModifier))
                replaceOne();
            else
                find(key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FindBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        hideBar();
        return;
    }
    QWidget::keyPressEvent(event);
}
