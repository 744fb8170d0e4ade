// TGrForm: x-y files, pictures (file, clipboard, printer), colours, texts
// and the derivative.
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <qcustomplot.h>

#include "calculator/value_text.h"
#include "storage/atomic_file.h"
#include "ui/chart/chart_texts_dialog.h"
#include "ui/chart/gr_form.h"
#include "ui/language/action_texts.h"
#include "ui/widgets/qt_text.h"

namespace tarvix {
namespace {

QColor ToQColor(Rgb c) { return QColor(c.R, c.G, c.B); }
Rgb FromQColor(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

std::string LowerExtension(const std::filesystem::path& file) {
    std::string ext = file.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

}  // namespace

void TGrForm::ShowError(std::string_view key, std::string_view argument, int helpContext) {
    context_.Calc.ShowMessageBox(FormatMessageText(messages_.Text(key), {argument}),
                                 MessageKind::Error, kCancelButton, helpContext);
}

bool TGrForm::LoadXyFile(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const std::optional<XyData> data = ReadXyFile(file);
    if (!data) {
        ShowError(chartmsg::ReadError, name, kChartReadHelpContext);
        return false;
    }
    SetAnimating(false);
    model_.LoadXy(*data, name);
    RebuildPlottables();
    DataChanged();
    SyncSeriesControls();
    DefaultScale();
    show();
    return true;
}

void TGrForm::OpenXyFile() {
    FileDialogRequest request;
    request.Caption = context_.Texts.Text("Title", "OpenDlg", "Otevřít");
    request.Filter = context_.Texts.Text("Msg", "Msg_TextFiles", "Textové soubory") + " (*.txt)|*.txt";
    request.DefaultExtension = "txt";
    request.Folder = context_.DataFolder;
    const auto file = context_.Files.ChooseFileToOpen(request);
    if (!file) return;
    context_.DataFolder = file->parent_path();
    LoadXyFile(*file);
}

bool TGrForm::SavePicture(const std::filesystem::path& file) {
    const std::string ext = LowerExtension(file);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const int w = plot_->width();
    const int h = plot_->height();
    bool rendered = false;
    if (ext == ".svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(w, h));
        svg.setViewBox(QRect(0, 0, w, h));
        svg.setTitle(windowTitle());
        QCPPainter painter;
        rendered = painter.begin(&svg);
        if (rendered) {
            plot_->toPainter(&painter, w, h);
            painter.end();
        }
    } else if (ext == ".pdf") {
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QSizeF(w, h), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(72);
        QCPPainter painter;
        rendered = painter.begin(&pdf);
        if (rendered) {
            plot_->toPainter(&painter, w, h);
            painter.end();
        }
    } else {
        const char* format = ext == ".bmp" ? "BMP" : (ext == ".jpg" || ext == ".jpeg") ? "JPG" : "PNG";
        rendered = plot_->toPixmap(w, h).save(&buffer, format);
    }
    buffer.close();
    if (!rendered ||
        !WriteFileAtomically(file, std::string_view(bytes.constData(),
                                                    static_cast<std::size_t>(bytes.size())))
             .ok()) {
        ShowError(chartmsg::WriteError, file.filename().string());
        return false;
    }
    return true;
}

void TGrForm::SavePictureAs() {
    FileDialogRequest request;
    request.Caption = context_.Texts.Text("Title", "SaveAsDlg", "Uložit jako");
    request.Filter = CatalogString(context_.Texts, texts::GrFormPictureFilter);
    request.DefaultExtension = "png";
    request.FileName = "graf.png";
    request.Folder = context_.DataFolder;
    const auto file = context_.Files.ChooseFileToSave(request);
    if (!file) return;
    if (std::filesystem::exists(*file)) {
        const ModalResult answer = context_.Calc.ShowMessageBox(
            FormatMessageText(messages_.Text(chartmsg::FileExists), {file->filename().string()}),
            MessageKind::Confirmation, kYesNoCancelButtons, 0);
        if (answer != ModalResult::Yes) return;
    }
    SavePicture(*file);
}

void TGrForm::CopyPicture() {
    QApplication::clipboard()->setPixmap(plot_->toPixmap());
}

void TGrForm::CopyStatusLine() {
    QStringList parts;
    for (int i : {0, 1, 2, 3, 5, 6, 7}) parts << StatusPanel(i);
    QApplication::clipboard()->setText(parts.join(QLatin1Char('\r')));
}

void TGrForm::Print() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QCPPainter painter(&printer);
    const QRect page = painter.viewport();
    const double scale = std::min(page.width() / double(plot_->width()),
                                  page.height() / double(plot_->height()));
    painter.scale(scale, scale);
    plot_->toPainter(&painter, plot_->width(), plot_->height());
}

void TGrForm::ChooseSeriesColors() {
    // The palette as the dialog's custom colours; the chosen ones come back.
    const SeriesPaletteColors& palette = model_.GreyScale() ? shared_.SavedPalette : model_.Palette();
    for (int i = 0; i < static_cast<int>(kPaletteSize); ++i)
        QColorDialog::setCustomColor(i, ToQColor(palette[static_cast<std::size_t>(i)]));
    QColorDialog dialog(ToQColor(palette[0]), this);
    if (dialog.exec() != QDialog::Accepted) return;
    SeriesPaletteColors chosen{};
    for (int i = 0; i < static_cast<int>(kPaletteSize); ++i)
        chosen[static_cast<std::size_t>(i)] = FromQColor(QColorDialog::customColor(i));
    model_.SetPalette(chosen);
    ApplyColors();
}

void TGrForm::ChooseBackground() {
    const QColor c = QColorDialog::getColor(ToQColor(model_.Background()), this);
    if (!c.isValid()) return;
    model_.SetBackground(FromQColor(c));
    ApplyColors();
}

void TGrForm::ChooseCrossHairColor() {
    const QColor c = QColorDialog::getColor(ToQColor(model_.CrossHair()), this);
    if (!c.isValid()) return;
    model_.SetCrossHair(FromQColor(c));
    ApplyColors();
}

void TGrForm::EditTexts() {
    ChartTexts texts;
    texts.Header = model_.Header;
    texts.XTitle = model_.XTitle;
    texts.YTitle = model_.YTitle;
    texts.Series = std::max(model_.Selected(), 0);
    // "&OK" applies the texts; a value that does not read shows its message
    // and keeps the dialog open with everything typed.
    TChartTextsDialog dialog(texts, static_cast<int>(model_.Count()), context_.Texts, this,
                             [this](const ChartTexts& result) { return ApplyChartTexts(result); });
    dialog.exec();
}

bool TGrForm::ApplyChartTexts(const ChartTexts& result) {
    if (result.Transform) {
        // Every value is read first: a text that does not evaluate changes nothing.
        long double k[4];
        try {
            const std::string* sources[] = {&result.Kx, &result.Ky, &result.Px, &result.Py};
            for (int i = 0; i < 4; ++i) k[i] = ParseValueText(*sources[i], context_.Calc.Parser1()).Re;
        } catch (const std::exception& error) {
            context_.Calc.ShowMessageBox(error.what(), MessageKind::Error, kCancelButton, 0);
            return false;
        }
        model_.Transform(static_cast<std::size_t>(result.Series), k[0], k[1], k[2], k[3]);
        RebuildPlottables();
        DataChanged();
        DefaultScale();  // the axes follow the transformed points
    }
    model_.Header = result.Header;
    model_.XTitle = result.XTitle;
    model_.YTitle = result.YTitle;
    ApplyColors();
    return true;
}

void TGrForm::SetDerivativeEnabled(bool enabled) {
    Action("DerivaceAction")->setEnabled(enabled);
}

void TGrForm::Derivative() {
    if (!derivativeHandler_ || !Action("DerivaceAction")->isEnabled()) return;
    try {
        derivativeHandler_(model_.Derivative());
    } catch (const ChartRefusal& refusal) {
        ShowError(refusal.Key);
    }
}

}  // namespace tarvix
