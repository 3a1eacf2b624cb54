// Turns one Markdown manual into an A4 PDF with page numbers. Runs at build time, so it needs no
// display: images are loaded relative to the Markdown file, as a Markdown viewer would.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

// QTextDocument::print lays a document out with 2 cm margins inside the page and puts the page
// number into the bottom one; the writer itself adds none.
constexpr qreal kPrintMarginMm = 20;
// Image sizes are in pixels of a 96 dpi screen.
constexpr qreal kImageDpi = 96;
constexpr qreal kMmPerInch = 25.4;

QImage ImageOf(const QVariant& resource) {
    if (resource.userType() == QMetaType::QImage)
        return resource.value<QImage>();
    return QImage::fromData(resource.toByteArray());
}

// A screenshot wider than the text column is scaled down to it, keeping its proportions.
void FitImagesToWidth(QTextDocument& document, qreal width) {
    std::vector<std::pair<QTextFragment, QTextImageFormat>> scaled;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QImage image =
                ImageOf(document.resource(QTextDocument::ImageResource, QUrl(format.name())));
            if (image.isNull())
                std::fprintf(stderr, "kx_manual_pdf: no image %s\n", qPrintable(format.name()));
            if (image.isNull() || image.width() <= width)
                continue;
            format.setWidth(width);
            format.setHeight(image.height() * width / image.width());
            scaled.emplace_back(it.fragment(), format);
        }
    }
    for (const auto& [fragment, format] : scaled) {
        QTextCursor cursor(&document);
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

} // namespace

int main(int argc, char* argv[]) {
#ifndef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: kx_manual_pdf MANUAL.md MANUAL.pdf\n", stderr);
        return 2;
    }
    const QFileInfo source(QString::fromLocal8Bit(argv[1]));
    QFile in(source.filePath());
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kx_manual_pdf: cannot read %s\n", argv[1]);
        return 1;
    }

    QTextDocument document;
    document.setDefaultFont(QFont("DejaVu Sans", 10)); // has the Czech, German and French letters
    document.setBaseUrl(QUrl::fromLocalFile(source.absoluteFilePath()));
    document.setMarkdown(QString::fromUtf8(in.readAll()));

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(document.begin().text());
    writer.setCreator("kx_flam3");
    const qreal columnMm =
        writer.pageLayout().paintRect(QPageLayout::Millimeter).width() - 2 * kPrintMarginMm;
    FitImagesToWidth(document, columnMm / kMmPerInch * kImageDpi);
    document.print(&writer);
    return 0;
}
