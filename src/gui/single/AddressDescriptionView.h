#pragma once

#include <QWidget>

class MainWindowViewModel;
class QLabel;

// Under the address field: what the downloader says the address holds. A thumbnail, the
// title, the uploader and the length of a video, or the title and the number of entries of a
// playlist, with the size the chosen format, quality and part would download when it is known;
// one quiet line while the address is looked up or when nothing could be learnt. Its room
// stays the same whatever it shows, hidden while there is no address: nothing around it moves,
// and the window never grows with a description. Text longer than the room is cut with "…" and
// shown whole in a tooltip.
class AddressDescriptionView : public QWidget {
    Q_OBJECT
public:
    // As wide as width.
    AddressDescriptionView(MainWindowViewModel* model, int width, QWidget* parent = nullptr);

private:
    void update();
    QString detailsText() const;
    // Shows text in at most lines lines of the label at the room's text width.
    void showFitted(QLabel* label, const QString& text, int lines);

    MainWindowViewModel* model;
    QLabel* thumbnail;
    QLabel* title;
    QLabel* details;
};
