#include "app/form1.h"

#include "app/help_page.h"
#include "columns/random_source.h"
#include "editor/editor_page.h"
#include "editor/recovery_copy.h"
#include "editor/recovery_offer.h"
#include "idea/idea_page.h"
#include "question/question_page.h"
#include "storage/data_directory.h"
#include "title/title_page.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTabWidget>
#include <QTimer>

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvane v3.0"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setDocumentMode(true);
    setCentralWidget(m_tabs);

    m_question = new QuestionPage(m_tabs);
    m_idea = new IdeaPage(m_tabs);
    m_title = new TitlePage(m_tabs);
    m_editor = new EditorPage(m_tabs);
    m_help = new HelpPage(m_tabs);
    m_tabs->addTab(m_question, QStringLiteral("问题提示"));
    m_tabs->addTab(m_idea, QStringLiteral("思路提示"));
    m_tabs->addTab(m_title, QStringLiteral("题目提示"));
    m_tabs->addTab(m_editor, QStringLiteral("编辑保存"));
    m_tabs->addTab(m_help, QStringLiteral("使用说明"));
    m_tabs->setCurrentIndex(0);
    connect(m_tabs, &QTabWidget::currentChanged, this, &Form1::SSTab1_Click);
    // "传送=>" on every prompt page appends to the editor without switching pages.
    const auto transfer = [this](const QString &heading, const QString &sentence) {
        m_editor->appendTransfer(heading, sentence);
    };
    connect(m_question, &QuestionPage::transferRequested, m_editor, transfer);
    connect(m_idea, &IdeaPage::transferRequested, m_editor, transfer);
    connect(m_title, &TitlePage::transferRequested, m_editor, transfer);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    connect(m_timer, &QTimer::timeout, this, &Form1::Timer1_Timer);

    // The desktop session may end without a close event; the memo is saved then too.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { m_help->saveMemo(); });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (!m_closed)
            m_help->saveMemo();
    });

    resize(792, 539);
    Form_Load();
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
    m_help->loadMemo();
    RecoveryOffer::atStartUp(m_editor);
}

void Form1::Timer1_Timer()
{
    m_title->autoStep();
    m_idea->autoStep();
    m_question->autoStep();
}

void Form1::SSTab1_Click()
{
    m_title->stopAutomatic();
    m_idea->stopAutomatic();
    m_question->stopAutomatic();
}

bool Form1::Form_QueryUnload()
{
    if (!m_editor->confirmClose())
        return false;
    m_editor->recoveryCopy().discard(); // saved, let go, or nothing to keep
    m_help->saveMemo();
    return true;
}

void Form1::quitWithoutAsking()
{
    if (m_closed)
        return;
    m_closed = true;
    // Told to end first: a message box the saving may raise then closes at once instead of
    // holding up a logout.
    QCoreApplication::exit(0);
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
