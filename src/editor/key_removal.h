#pragma once

class QKeyEvent;
class QTextCursor;

// Which characters an editing key will take out of the text at cursor, worked out before the
// editor handles it (QTextEdit's own keys: deleting and typing over a selection), so what
// they held can be kept. Length 0 when the key removes nothing.
namespace KeyRemoval {

struct Span
{
    int start = 0;
    int length = 0;
};

Span spanRemovedBy(const QTextCursor &cursor, const QKeyEvent *event);

} // namespace KeyRemoval
