// Turns one Markdown manual into an A4 PDF with page numbers. Runs at build time, so it needs no
// display: images are loaded relative to the Markdown file, as a Markdown viewer would.

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPixmap>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
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
constexpr qreal kHeadingSpace = 12; // pixels of a 96 dpi screen, as the paragraph margins

QImage ImageOf(const QVariant& resource) {
    switch (resource.userType()) {
    case QMetaType::QImage:
        return resource.value<QImage>();
    case QMetaType::QPixmap:
        return resource.value<QPixmap>().toImage();
    default:
        return QImage::fromData(resource.toByteArray());
    }
}

// Qt's Markdown reader inserts an image only from its alternative text, so ![](picture.png)
// would vanish from the page.
QString WithAltTextForEveryImage(QString markdown) {
    return markdown.replace("![](", "![image](");
}

// Headings get air above them and code a grey ground. Table cells lose the paragraph margins,
// and the empty paragraph Qt's Markdown reader leaves in the first cell, which pushed the first
// heading below the others.
void SpaceBlocks(QTextDocument& document) {
    std::vector<int> emptyCellParagraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        if (format.headingLevel() > 0) {
            format.setTopMargin(kHeadingSpace);
            format.setBottomMargin(kHeadingSpace / 2);
        } else if (format.hasProperty(QTextFormat::BlockCodeFence)) {
            format.setBackground(QColor(0xf0, 0xf0, 0xf0));
        } else if (QTextTable* table = cursor.currentTable()) {
            format.setTopMargin(0);
            format.setBottomMargin(0);
            const QTextBlock next = block.next();
            if (block.text().isEmpty() && next.isValid() &&
                table->cellAt(block.position()) == table->cellAt(next.position()))
                emptyCellParagraphs.push_back(block.position());
        }
        cursor.setBlockFormat(format);
    }
    // From the back, so the positions still ahead stay valid.
    for (auto position = emptyCellParagraphs.rbegin(); position != emptyCellParagraphs.rend();
         ++position) {
        QTextCursor cursor(&document);
        cursor.setPosition(*position);
        cursor.deleteChar();
    }
}

// Tables get thin ruled cells with some air, instead of a heavy box around text pressed to it.
void StyleTables(QTextDocument& document) {
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(1);
        format.setBorderBrush(QColor(0x90, 0x90, 0x90));
        format.setBorderCollapse(true);
        format.setCellPadding(4);
        format.setCellSpacing(0);
        table->setFormat(format);
        // Markdown tables always have a header row; Qt's reader leaves its first cell plain.
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        for (int column = 0; column < table->columns(); ++column) {
            const QTextTableCell cell = table->cellAt(0, column);
            QTextCursor cursor = cell.firstCursorPosition();
            cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(bold);
        }
    }
}

// Every image is loaded into the document itself: printing lays out a copy of the document that
// cannot load relative paths. A screenshot wider than the text column is scaled down to it,
// keeping its proportions. False when an image is missing.
bool EmbedImages(QTextDocument& document, qreal columnWidth) {
    bool complete = true;
    std::vector<std::pair<QTextFragment, QTextImageFormat>> scaled;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            if (!format.isValid())
                continue;
            const QUrl name(format.name());
            const QImage image = ImageOf(document.resource(QTextDocument::ImageResource, name));
            if (image.isNull()) {
                std::fprintf(stderr, "kx_manual_pdf: no image %s\n", qPrintable(format.name()));
                complete = false;
                continue;
            }
            document.addResource(QTextDocument::ImageResource, name, image);
            if (image.width() <= columnWidth)
                continue;
            format.setWidth(columnWidth);
            format.setHeight(image.height() * columnWidth / image.width());
            scaled.emplace_back(it.fragment(), format);
        }
    }
    for (const auto& [fragment, format] : scaled) {
        QTextCursor cursor(&document);
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
    return complete;
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
    document.setMarkdown(WithAltTextForEveryImage(QString::fromUtf8(in.readAll())));
    SpaceBlocks(document);
    StyleTables(document);

    // No writer margins: print() adds its own.
    const QPageSize a4(QPageSize::A4);
    const qreal columnMm = a4.size(QPageSize::Millimeter).width() - 2 * kPrintMarginMm;
    if (!EmbedImages(document, columnMm / kMmPerInch * kImageDpi))
        return 1;

    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setPageLayout(QPageLayout(a4, QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(document.begin().text());
    writer.setCreator("kx_flam3");
    document.print(&writer);
    return 0;
}
