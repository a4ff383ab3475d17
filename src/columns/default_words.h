#pragma once

#include <QStringList>

// The 72 articles that both the idea page's object column and the title page's article
// column start with, in their stored (sorted) order.
QStringList articleWords();
