#pragma once
// A print run as both reports frame it: the notice shown and painted, the
// print calculation, the report drawn and handed over, the notice hidden.
// Then the user hears where the document went (the main window's status
// line names the printer or the PDF and the pages), where a PDF went and why
// (with the offer to open it), or that the document could not be printed; a
// run that failed changes nothing else.

#include "book/book.h"
#include "ui/printer.h"

#include <functional>

class frmSirase;

// `draw` lays the report out on the printer and ends the document.
ui::PrintOutcome print_run(Book& book, frmSirase& notice, const QString& report,
                           const std::function<void(Book&, ui::Printer&)>& draw);

// The status line after a document went out: destination and pages.
QString print_feedback(const ui::PrintOutcome& outcome);

// The messages for a document that went to a PDF or failed, and for a chosen
// printer that was gone; none when printed.
void report_print_outcome(const ui::PrintOutcome& outcome);
