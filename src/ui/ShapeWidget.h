// SPDX-FileCopyrightText: 2001-2026 Quillane
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

// A plain drawn figure: decorative fields, the copy marker, the etched separator lines.
class ShapeWidget : public QWidget {
    Q_OBJECT

public:
    // A circle is as large as the shape's smaller side, centred in it.
    enum class Form { Rectangle, Circle };

    ShapeWidget(Form form, std::optional<QColor> fill, std::optional<QColor> border,
                QWidget* parent);

    void setFillColour(const QColor& fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form m_form;
    std::optional<QColor> m_fill;
    std::optional<QColor> m_border;
};
