#pragma once
// Sums of money as the windows and messages show them.

#include <QString>

// Grouped by ",", "0" for nothing (never empty): "1,000" for 1000.
QString yen_text(qint64 amount);
// The same with its unit: "1,000円", "0円".
QString yen(qint64 amount);
