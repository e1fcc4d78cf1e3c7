#pragma once

#include <QWidget>

class PreviewArea;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;

// The browse panel's box (picGeneralBackground): the emoticon list with its search box and
// category selector on the left, the preview with its size and view controls and the copy
// caption on the right.
class GeneralPanel : public QWidget {
    Q_OBJECT

public:
    explicit GeneralPanel(QWidget* parent);

    QComboBox* cboGeneralCategory() const { return m_category; }
    QListWidget* lstGeneralEmoticons() const { return m_list; }
    QLabel* lblGeneralEmoticonsNum() const { return m_count; }

public slots:
    // Forgets the selected emoticon: empty preview, empty text.
    void clearPreview();

private:
    void buildList();
    void buildCategoryRow();
    void buildPreview();

    QListWidget* m_list = nullptr;
    QComboBox* m_category = nullptr;
    QLabel* m_count = nullptr;
    PreviewArea* m_preview = nullptr;
    QLabel* m_emoticon = nullptr;
};
