#pragma once

#include <QString>
#include <QStringList>

namespace selvana {

class Application;

// A printout written as PDF from the command line, without the window:
//   --print-order SUBJECT YEAR NUMBER --pdf FILE
//   --print-report SUBJECT YEAR KIND [--month MM] [--person NAME] --pdf FILE
struct PrintRequest {
    enum What { Order, OrderList };

    What what = Order;
    QStringList arguments; // SUBJECT YEAR NUMBER, or SUBJECT YEAR KIND
    QString pdf;
    QString month;  // empty: not given
    QString person; // empty: not given
};

// Starts the program on its data folder and goes the user's way through the window's
// model: the subject chosen, the year set, the book opened, the order shown or the
// report built, then the printout written. Every refusal is one message through the
// program's dialogs. Returns the exit status: 0 when the file was written, else 1.
int runPrintCommand(Application& app, const PrintRequest& request);

} // namespace selvana
