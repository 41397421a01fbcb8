#include "AddressDescriptionView.h"

#include "core/engine/DownloadProgress.h"
#include "core/single/AddressDescription.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/widgets/Labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QTextLayout>
#include <QVBoxLayout>

namespace {

const QSize thumbnailSize(112, 63);
constexpr int gap = 8;

// The text wrapped to width in at most lines lines, the last cut with "…" when more follows.
QString fitted(const QString& text, const QFont& font, int width, int lines) {
    const QString flat = text.simplified();
    QTextLayout layout(flat, font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(wrapping);
    QStringList shown;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (static_cast<int>(shown.size()) == lines - 1) {
            shown << QFontMetrics(font).elidedText(flat.mid(line.textStart()), Qt::ElideRight,
                                                   width);
            break;
        }
        shown << flat.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return shown.join(u'\n');
}

} // namespace

AddressDescriptionView::AddressDescriptionView(MainWindowViewModel* model, int width,
                                               QWidget* parent)
    : QWidget(parent)
    , model(model)
    , thumbnail(new QLabel)
    , title(new QLabel)
    , details(Labels::caption()) {
    setObjectName("addressDescription");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(gap);
    thumbnail->setFixedSize(thumbnailSize);
    thumbnail->setAlignment(Qt::AlignCenter);
    row->addWidget(thumbnail);
    auto* texts = new QVBoxLayout;
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setObjectName("descriptionTitle");
    title->setTextFormat(Qt::PlainText);
    details->setObjectName("descriptionDetails");
    details->setTextFormat(Qt::PlainText);
    texts->setSpacing(2);
    texts->addWidget(title);
    texts->addWidget(details);
    texts->addStretch();
    row->addLayout(texts, 1);
    // Room for the thumbnail, or for a title's line and two lines of details.
    setFixedSize(width, std::max(thumbnailSize.height(),
                                 title->fontMetrics().lineSpacing() +
                                     2 * details->fontMetrics().lineSpacing() + texts->spacing()));
    QSizePolicy keepRoom = sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    setSizePolicy(keepRoom);
    const AddressDescription* description = model->addressDescription();
    connect(description, &AddressDescription::changed, this, &AddressDescriptionView::update);
    for (auto choice :
         {&MainWindowViewModel::selectedFormatChanged,
          &MainWindowViewModel::selectedVideoQualityChanged, &MainWindowViewModel::sectionChanged})
        connect(model, choice, this, &AddressDescriptionView::update);
    update();
}

void AddressDescriptionView::update() {
    const AddressDescription* description = model->addressDescription();
    const AddressDescription::State state = description->state();
    setVisible(state != AddressDescription::State::idle);
    const QImage image = description->thumbnail();
    thumbnail->setVisible(!image.isNull());
    if (!image.isNull())
        thumbnail->setPixmap(QPixmap::fromImage(
            image.scaled(thumbnailSize, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    title->setVisible(state == AddressDescription::State::described);
    showFitted(title, description->description().title, 1);
    if (state == AddressDescription::State::describing)
        //: Under the address field, while the downloader looks at the address.
        showFitted(details, tr("Looking up the address..."), 2);
    else if (state == AddressDescription::State::failed)
        //: Under the address field: why the downloader could say nothing of the address.
        showFitted(details, tr("No details: %1").arg(description->failure()), 2);
    else
        showFitted(details, detailsText(), 2);
}

void AddressDescriptionView::showFitted(QLabel* label, const QString& text, int lines) {
    const int textWidth =
        width() - (thumbnail->isVisibleTo(this) ? thumbnailSize.width() + gap : 0);
    const QString shown = fitted(text, label->font(), textWidth, lines);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
}

QString AddressDescriptionView::detailsText() const {
    const MediaDescription& media = model->addressDescription()->description();
    QStringList parts;
    if (media.isPlaylist) {
        //: Under the address field: what a playlist holds.
        parts << tr("Playlist of %Ln entries", nullptr, media.entryCount);
    } else {
        if (!media.uploader.isEmpty())
            parts << media.uploader;
        if (media.seconds)
            parts << durationText(*media.seconds);
    }
    // No size for a playlist: its model gives none.
    const auto size = model->sizeEstimate();
    if (size && model->section()) {
        //: An estimated size of the part of the video chosen: "about 12.0 MiB for the part".
        parts << tr("about %1 for the part").arg(sizeText(size->bytes));
    } else if (size) {
        //: An estimated size: "about 12.0 MiB".
        parts << (size->approximate ? tr("about %1").arg(sizeText(size->bytes))
                                    : sizeText(size->bytes));
    }
    return parts.join(" · ");
}
