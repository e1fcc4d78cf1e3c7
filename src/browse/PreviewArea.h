#pragma once

#include <QPixmap>
#include <QWidget>

// The preview box: keeps what is drawn into it, across repaints of the window, until it is
// cleared. It draws in white on navy.
class PreviewArea : public QWidget {
    Q_OBJECT

public:
    explicit PreviewArea(QWidget* parent);

    // Empties the box.
    void clear();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap m_canvas;
};
