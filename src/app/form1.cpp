#include "app/form1.h"

#include "app/after_first_paint.h"
#include "app/deferred_pages.h"
#include "app/help_page.h"
#include "columns/random_source.h"
#include "editor/editor_page.h"
#include "editor/recovery_copy.h"
#include "editor/recovery_offer.h"
#include "idea/idea_page.h"
#include "question/question_page.h"
#include "storage/data_directory.h"
#include "storage/exclusion_store.h"
#include "title/title_page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

Form1::Form1(QWidget *parent, PageBuilding building) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvane v3.0"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    // Reported focusable, though its tabs take the focus.
    m_tabs->setAccessibleName(QStringLiteral("页面"));
    m_tabs->setDocumentMode(true);
    setCentralWidget(m_tabs);

    m_question = new QuestionPage(m_tabs);
    m_tabs->addTab(m_question, QStringLiteral("问题提示"));
    if (building == PageBuilding::AfterFirstPaint) {
        m_placeholders = DeferredPages::addPlaceholders(
            m_tabs, {QStringLiteral("思路提示"), QStringLiteral("题目提示"),
                     QStringLiteral("编辑保存"), QStringLiteral("使用说明")});
        new AfterFirstPaint(this, [this] { buildPages(); });
    } else {
        buildPages();
    }
    m_tabs->setCurrentIndex(0);
    connect(m_tabs, &QTabWidget::currentChanged, this, &Form1::SSTab1_Click);
    // "传送=>" on every prompt page appends to the editor without switching pages.
    connect(m_question, &QuestionPage::transferRequested, this,
            [this](const QString &heading, const QString &sentence) {
                editorPage()->appendTransfer(heading, sentence);
            });

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, &Form1::Timer1_Timer);

    // The desktop session may end without a close event; the memo is saved then too.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { helpPage()->saveMemo(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_closed)
            helpPage()->saveMemo();
    });

    resize(792, 539);
    Form_Load();
}

void Form1::buildPages()
{
    if (m_help)
        return;
    m_idea = new IdeaPage(m_tabs);
    m_title = new TitlePage(m_tabs);
    m_editor = new EditorPage(m_tabs);
    m_help = new HelpPage(m_tabs);
    if (m_placeholders.isEmpty()) {
        m_tabs->addTab(m_idea, QStringLiteral("思路提示"));
        m_tabs->addTab(m_title, QStringLiteral("题目提示"));
        m_tabs->addTab(m_editor, QStringLiteral("编辑保存"));
        m_tabs->addTab(m_help, QStringLiteral("使用说明"));
    } else {
        DeferredPages::replace(m_tabs, m_placeholders, {m_idea, m_title, m_editor, m_help});
        m_placeholders.clear();
    }
    const auto transfer = [this](const QString &heading, const QString &sentence) {
        m_editor->appendTransfer(heading, sentence);
    };
    connect(m_idea, &IdeaPage::transferRequested, m_editor, transfer);
    connect(m_title, &TitlePage::transferRequested, m_editor, transfer);
    if (m_memoWanted)
        loadLastRun();
}

void Form1::loadLastRun()
{
    m_help->loadMemo();
    const QList<std::pair<ExclusionSet *, QString>> exclusions{
        {m_question->exclusions(), QStringLiteral("question")},
        {m_idea->exclusions(), QStringLiteral("idea")},
        {m_title->exclusions(), QStringLiteral("title")}};
    for (const auto &[set, page] : exclusions) {
        auto *store = new ExclusionStore(set, ExclusionStore::fileNameFor(page), this);
        store->setObjectName(page + QStringLiteral("ExclusionStore"));
        store->load();
    }
    RecoveryOffer::atStartUp(m_editor);
}

IdeaPage *Form1::ideaPage() const
{
    const_cast<Form1 *>(this)->buildPages();
    return m_idea;
}

TitlePage *Form1::titlePage() const
{
    const_cast<Form1 *>(this)->buildPages();
    return m_title;
}

EditorPage *Form1::editorPage() const
{
    const_cast<Form1 *>(this)->buildPages();
    return m_editor;
}

HelpPage *Form1::helpPage() const
{
    const_cast<Form1 *>(this)->buildPages();
    return m_help;
}

void Form1::Form_Load()
{
    m_timer->start(1000);
    RandomSource::instance().seedFromClock();

    QString error;
    if (!DataDirectory::ensureExists(&error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return; // without sysh there is no memo to load
    }
    // Pages built after the first paint load the memo and offer the recovery copy then.
    m_memoWanted = true;
    if (m_help)
        loadLastRun();
}

void Form1::Timer1_Timer()
{
    titlePage()->autoStep();
    ideaPage()->autoStep();
    m_question->autoStep();
}

void Form1::SSTab1_Click()
{
    titlePage()->stopAutomatic();
    ideaPage()->stopAutomatic();
    m_question->stopAutomatic();
}

bool Form1::Form_QueryUnload()
{
    if (!editorPage()->confirmClose())
        return false;
    if (!m_help->saveMemo() && m_help->memoChanged() && !closeWithoutMemo())
        return false;
    m_editor->recoveryCopy().discard(); // saved, let go, or nothing to keep
    return true;
}

bool Form1::closeWithoutMemo()
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("备忘本"),
                    QStringLiteral("备忘本的改动没能保存，关闭后会丢失。仍要关闭吗？"),
                    QMessageBox::NoButton, this);
    QPushButton *close = box.addButton(QStringLiteral("关闭"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == close;
}

void Form1::quitWithoutAsking()
{
    if (m_closed)
        return;
    m_closed = true;
    // Told to end first: a message box the saving may raise then closes at once instead of
    // holding up a logout.
    QCoreApplication::exit(0);
    if (!m_help)
        return; // nothing was loaded yet, so nothing can be lost
    if (m_editor->hasUnsavedChanges())
        m_editor->recoveryCopy().writeNow();
    m_help->saveMemo();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (Form_QueryUnload()) {
        m_closed = true;
        event->accept();
    } else
        event->ignore();
}
