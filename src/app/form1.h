#pragma once

//  Form1 ── SSTab1 ─┬─ QuestionPage  (question/)  ┐
//                   ├─ IdeaPage      (idea/)      ├─ word columns (columns/),
//                   ├─ TitlePage     (title/)     ┘  result lists (results/)
//                   ├─ EditorPage    (editor/)    ── RTF, undo history, links/
//                   └─ HelpPage      (app/)       ── memo file (storage/)
//  Timer1 ticks the pages' automatic steps: title, idea, question.
//  The controls hold the state; Form1 only assembles pages and dispatches.

#include <QMainWindow>

class EditorPage;
class HelpPage;
class IdeaPage;
class QTabWidget;
class QTimer;
class QuestionPage;
class TitlePage;

class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // The program builds the hidden pages right after the first paint; until then each
    // accessor, the tick, a transfer, a page switch and close build them when they need one.
    enum class PageBuilding
    {
        AtOnce,
        AfterFirstPaint
    };
    explicit Form1(QWidget *parent = nullptr, PageBuilding building = PageBuilding::AtOnce);

    void Timer1_Timer();
    // Logout, kill or Ctrl+C: the program ends without asking; the memo is saved and unsaved
    // editing is left in the recovery copy for the next start.
    void quitWithoutAsking();

    QuestionPage *questionPage() const { return m_question; }
    IdeaPage *ideaPage() const;
    TitlePage *titlePage() const;
    EditorPage *editorPage() const;
    HelpPage *helpPage() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void SSTab1_Click();
    bool Form_QueryUnload();
    bool closeWithoutMemo();
    void buildPages();
    void loadLastRun();

    QTabWidget *m_tabs = nullptr;
    QuestionPage *m_question = nullptr;
    IdeaPage *m_idea = nullptr;
    TitlePage *m_title = nullptr;
    EditorPage *m_editor = nullptr;
    HelpPage *m_help = nullptr;
    QTimer *m_timer = nullptr;
    bool m_closed = false;
    bool m_memoWanted = false;
    QList<QWidget *> m_placeholders; // where the deferred pages go: idea, title, editor, help
};
