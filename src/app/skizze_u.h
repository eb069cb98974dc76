// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// The sketch of a triangle in the input area (PaintBox1). It draws only three blue
// lines on whatever lies below it, so the group box's background shows through.
class TSkizze : public QWidget {
    Q_OBJECT
  public:
    explicit TSkizze(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
