#pragma once
// The system's print service (CUPS), reached through libcups loaded on first
// use: a start that prints nothing loads no printing library. Without libcups
// every call answers "none", and missing() says so for the user.

#include <QMarginsF>
#include <QString>
#include <QStringList>

namespace ui::print_service {

// Why the print service cannot be used: libcups is not installed (its
// message), or "" when it loaded.
QString missing();

// The queues the user can print on ("name" or "name/instance"), sorted.
QStringList destinations();

// The user's default queue, their own choice (lpoptions -d) before the
// system's; "" when there is none.
QString default_destination();

// Hands a finished PDF over to `queue` as one A4 job; "" when the print
// service took it, else its error.
QString submit(const QString& queue, const QString& pdf, const QString& title);

// Where `queue` can print on A4, as margins in millimetres; the given
// fallback when the print service does not say.
QMarginsF a4_margins(const QString& queue, const QMarginsF& fallback);

} // namespace ui::print_service
