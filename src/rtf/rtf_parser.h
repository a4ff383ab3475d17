#pragma once

// How RTF becomes a QTextDocument:
//
//   bytes ─> RtfTokenizer ─> RtfParser ──────────> RtfDestination, one object per kind:
//            tokens          token loop,          ├ RtfBodyDestination: character and
//                            group stack,         │   paragraph words (RtfCharProps,
//                            \u \uc \upr \bin \*, │   RtfParaProps), text
//                            RtfWord from         │     └─> RtfDocumentBuilder: cursor,
//                            rtf_control_words    │         runs, block and char formats
//                                                 ├ RtfFontTable   \fonttbl
//                                                 └ RtfColorTable  \colortbl
//
// Each group's RtfGroupState (formatting, destination, \uc) lives on the parser's stack;
// a nested group starts as a copy of its parent's. A destination-opening word points the
// group at a destination (openDestination()); the tokens of that group then go to it, and
// it hears when the group ends, with the group's bytes, so a destination can keep a group
// as it came. Groups nobody reads are skipped (destination nullptr).
//
// A field's instruction (RtfFieldInstructionDestination) goes with its result's text as a
// character property; a note (RtfNoteDestination) lasts as long as the group state that
// gave its text the note's id.
//
// A new kind of content adds its words to rtf_control_words, its own RtfDestination class
// (member of the parser, opened in openDestination()), its group-scoped properties to
// RtfCharProps or RtfParaProps, and what it puts into the document to the builder.

#include "rtf/rtf_body_destination.h"
#include "rtf/rtf_code_pages.h"
#include "rtf/rtf_color_table.h"
#include "rtf/rtf_field_instruction_destination.h"
#include "rtf/rtf_font_table.h"
#include "rtf/rtf_group_state.h"
#include "rtf/rtf_list_table.h"
#include "rtf/rtf_page_setup.h"
#include "rtf/rtf_pn_destination.h"
#include "rtf/rtf_read_report.h"
#include "rtf/rtf_tokenizer.h"

#include <QByteArray>
#include <QStringList>
#include <vector>

class QTextDocument;
class RtfDocumentBuilder;
class RtfKeptGroupDestination;
class RtfPictureDestination;
class RtfListTextDestination;
class RtfNoteDestination;

// Reads RTF into a document in one pass over the tokens. Groups live on an explicit stack
// with a depth cap, so neither deep nesting nor broken braces can exhaust the C++ stack.
class RtfParser
{
public:
    // Mail that Outlook converted from HTML nests its spans thousands deep; a few hundred
    // bytes a level keep even this cap small.
    static constexpr int kMaxDepth = 10000;

    RtfParser(const QByteArray &rtf, QTextDocument *into);
    Q_DISABLE_COPY_MOVE(RtfParser)

    void run();

private:
    void openGroup();
    bool closeGroup(); // false once the document's own group has ended
    void popGroup();
    void controlWord(const RtfToken &token);
    bool openDestination(RtfWord word, RtfGroupState &state);
    bool openObject(RtfWord word, RtfGroupState &state);
    bool insideKeptGroup(const RtfGroupState &state) const;
    void keepFromWord(RtfGroupState &state) const;
    bool openAnyDestination(RtfWord word, RtfGroupState &state);
    bool openFieldOrNote(RtfWord word, RtfGroupState &state);
    void controlSymbol(char symbol);
    void text(std::string_view bytes);
    void unicode(int value);
    bool consumeFallback();
    void finish();

    RtfGroupState &state() { return m_stack.back(); }

    QTextDocument *m_doc;
    RtfTokenizer m_tokens;
    RtfCodePages m_codePages;
    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    RtfListTable m_lists;
    RtfPnDestination m_pn;
    RtfListTextDestination *m_listText = nullptr;
    RtfDocumentBuilder *m_builder = nullptr;
    RtfBodyDestination *m_body = nullptr;
    RtfPictureDestination *m_picture = nullptr;
    RtfKeptGroupDestination *m_keptInText = nullptr;
    RtfKeptGroupDestination *m_keptDocument = nullptr;
    RtfPageSetup m_pageSetup;
    RtfReadReport m_report;
    int m_annotations = 0;
    int m_annotationIds = 0;
    bool m_shpPictSeen = false;
    qsizetype m_wordStart = 0; // the backslash of the control word being handled
    RtfFieldInstructionDestination m_fieldInstruction;
    QStringList m_fieldInstructions; // what RtfCharProps::field counts from 1
    RtfNoteDestination *m_note = nullptr;
    std::vector<RtfGroupState> m_stack;
    int m_overflowDepth = 0;
    int m_fallbackToSkip = 0;
    bool m_ignorableNext = false;
    bool m_atGroupStart = false;
};
