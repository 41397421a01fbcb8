#pragma once

#include <QWidget>

class MainWindowViewModel;
class QLabel;

// Under the address field: what the downloader says the address holds. A thumbnail, the
// title, the uploader and the length of a video, or the title and the number of entries of a
// playlist, with the size the chosen format, quality and part would download when it is known;
// one quiet line when nothing could be learnt. Hidden while there is no address.
class AddressDescriptionView : public QWidget {
    Q_OBJECT
public:
    explicit AddressDescriptionView(MainWindowViewModel* model, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;

private:
    void update();
    QString detailsText() const;

    MainWindowViewModel* model;
    QLabel* thumbnail;
    QLabel* title;
    QLabel* details;
};
