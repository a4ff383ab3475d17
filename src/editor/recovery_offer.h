#pragma once

class EditorPage;

// Start-up, once the data directory is there: a recovery copy left by a run that did not
// end with a normal close is offered back ("恢复" / "丢弃"), and from then on the editor keeps
// its own copy. A copy that cannot be read stays on disk and the message says where.
namespace RecoveryOffer {

void atStartUp(EditorPage *page);

} // namespace RecoveryOffer
