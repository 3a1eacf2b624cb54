#include "app/PrintController.h"

#include "link/TransferEngine.h"
#include "present/LinkPresenter.h"

#include "texts/PrintTexts.h"
#include "ui/Dialogs.h"
#include "ui/FormHlav.h"
#include "ui/PrintScaling.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>

#include <optional>
#include <vector>

namespace kx {

namespace {

// Every print job goes to a PDF in this folder instead of the printer: for tests, and for users
// who want files.
constexpr char kPrintToPdfVariable[] = "KX_FLAM3_PRINT_TO_PDF";

// A PDF file name no earlier job has taken, stamped with the time of printing.
QString NewPdfPath(const QString& folder) {
    QDir().mkpath(folder);
    const QString stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd_HH-mm-ss");
    QString path = QDir(folder).filePath("kx_flam3_" + stamp + ".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QString("kx_flam3_%1_%2.pdf").arg(stamp).arg(n));
    return path;
}

void DrawPage(QPainter& painter, QPrinter& printer, const QImage& image) {
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    painter.drawImage(QRect(QPoint(0, 0), FitToPage(image.size(), page.size())), image);
}

// One page as one job on the default printer; false when there is none or it refused the job.
bool PrintOnPrinter(const QImage& image, const QString& title) {
    const QPrinterInfo target = QPrinterInfo::defaultPrinter();
    if (target.isNull())
        return false;
    QPrinter printer(target, QPrinter::HighResolution);
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    DrawPage(painter, printer, image);
    return painter.end();
}

// All pages of one command in one PDF file; returns its path, or nothing when it failed.
std::optional<std::string> PrintToPdf(const std::vector<QImage>& pages, const QString& folder) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(NewPdfPath(folder));
    QPainter painter;
    if (!painter.begin(&pdf))
        return std::nullopt;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        DrawPage(painter, pdf, pages[i]);
    }
    if (!painter.end())
        return std::nullopt;
    return pdf.outputFileName().toStdString();
}

// The window's client area, below the menu bar, as it looks now.
QImage WindowImage(TFormHlav& form) {
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int menuHeight = form.menuBar()->isVisible() ? form.menuBar()->height() : 0;
    return form.grab(QRect(0, menuHeight, form.width(), form.height() - menuHeight)).toImage();
}

} // namespace

void PrintController::PrintJob() {
    const QImage image = WindowImage(form_);
    // Asked for files, no printer, or the printer refused the job: the page is kept for a PDF
    // rather than lost.
    if (!qEnvironmentVariableIsEmpty(kPrintToPdfVariable) ||
        !PrintOnPrinter(image, form_.windowTitle()))
        unprintedPages_.push_back(image);
}

void PrintController::BeginPrint() {
    // Heading: the language's words, the short date, four blanks, the long time.
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    TransferState& status = engine_.state();
    status_.ShowOwnMessage({state_.texts.MsgPrintDateTime +
                                locale.toString(now.date(), QLocale::ShortFormat).toStdString() +
                                "    " +
                                locale.toString(now.time(), QLocale::LongFormat).toStdString(),
                            Colour::White});
    status.labelVisible = true;
    status.messageHold = TransferEngine::kMessageHold;
    status.gaugeVisible = false;
    refresh_.ApplyLinkStates();
    form_.controls().frame.connection->hide();
    unprintedPages_.clear();
    state_.printView = true;
    form_.controls().frame.buttons.verify->setFocus();
}

void PrintController::EndPrint() {
    state_.printView = false;
    refresh_.ApplyViewRules();
    status_.SetColour(Colour::ButtonFace);
    refresh_.ApplyLinkStates();
    if (unprintedPages_.empty())
        return;
    const QString folder = qEnvironmentVariableIsEmpty(kPrintToPdfVariable)
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : qEnvironmentVariable(kPrintToPdfVariable);
    const auto pdf = PrintToPdf(unprintedPages_, folder);
    unprintedPages_.clear();
    if (pdf)
        dialogs_.showMessage(PrintedToPdfText(state_.choices.languageIndex) + "\n" + *pdf,
                             Dialogs::Severity::Information);
    else
        dialogs_.showMessage(state_.texts.MsgOpenFileError + "\n" + folder.toStdString(),
                             Dialogs::Severity::Error);
}

void PrintController::SpeedButtonPrintClick() {
    BeginPrint();
    refresh_.ApplyViewRules();
    PrintJob();
    EndPrint();
}

void PrintController::MenuPrintAllClick() {
    form_.controls().frame.buttons.verify->setFocus();
    BeginPrint();
    auto* pages = form_.controls().frame.pages;
    const int active = pages->currentIndex();
    for (int page = 0; page < pages->count(); ++page) {
        for (int tab = 0; tab < pages->count(); ++tab)
            pages->setTabVisible(tab, tab == page);
        pages->setCurrentIndex(page);
        refresh_.ApplyViewRules();
        PrintJob();
    }
    for (int tab = 0; tab < pages->count(); ++tab)
        pages->setTabVisible(tab, true);
    pages->setCurrentIndex(active);
    EndPrint();
}

} // namespace kx
