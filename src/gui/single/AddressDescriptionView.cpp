#include "AddressDescriptionView.h"

#include "core/engine/DownloadProgress.h"
#include "core/single/AddressDescription.h"
#include "core/single/MainWindowViewModel.h"
#include "gui/widgets/Labels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace {
const QSize thumbnailSize(112, 63);
} // namespace

AddressDescriptionView::AddressDescriptionView(MainWindowViewModel* model, QWidget* parent)
    : QWidget(parent)
    , model(model)
    , thumbnail(new QLabel)
    , title(new QLabel)
    , details(Labels::caption()) {
    setObjectName("addressDescription");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    thumbnail->setFixedSize(thumbnailSize);
    thumbnail->setAlignment(Qt::AlignCenter);
    row->addWidget(thumbnail);
    auto* texts = new QVBoxLayout;
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setObjectName("descriptionTitle");
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    details->setObjectName("descriptionDetails");
    details->setWordWrap(true);
    texts->addWidget(title);
    texts->addWidget(details);
    texts->addStretch();
    row->addLayout(texts, 1);
    const AddressDescription* description = model->addressDescription();
    connect(description, &AddressDescription::changed, this, &AddressDescriptionView::update);
    for (auto choice : {&MainWindowViewModel::selectedFormatChanged,
                        &MainWindowViewModel::selectedVideoQualityChanged})
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
    title->setText(description->description().title);
    if (state == AddressDescription::State::describing)
        //: Under the address field, while the downloader looks at the address.
        details->setText(tr("Looking up the address..."));
    else if (state == AddressDescription::State::failed)
        //: Under the address field: why the downloader could say nothing of the address.
        details->setText(tr("No details: %1").arg(description->failure()));
    else
        details->setText(detailsText());
}

bool AddressDescriptionView::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    // The window's layout gives wrapped text the height it has at the window's width, and its
    // minimum counts one line; the text gets what it needs at the view's own width instead.
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::Resize)
        setMinimumHeight(layout()->totalHeightForWidth(width()));
    return handled;
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
    const auto size = media.estimate(model->selectedFormat(), model->selectedVideoQuality());
    if (size && !media.isPlaylist) {
        //: An estimated size: "about 12.0 MiB".
        parts << (size->approximate ? tr("about %1").arg(sizeText(size->bytes))
                                    : sizeText(size->bytes));
    }
    return parts.join(" · ");
}
