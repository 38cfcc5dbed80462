// The tips of the day and when one shows at start.
#pragma once

#include <QString>
#include <QStringList>

// The tips in their order; tip n is entry n - 1.
const QStringList &tipTexts();

// The tip after current (1-based), the first after the last.
int nextTip(int current, int count);

// "Tip of the day": 0 always, 1 when no archive was named, other never.
bool showTipAtStart(int tipOfTheDay, bool archiveNamed);
