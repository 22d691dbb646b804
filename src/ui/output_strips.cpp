#include "ui/output_strips.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QWidget>

namespace quorvex {

QHBoxLayout* MakeStripRow(QWidget* parent, int outputs, const std::function<QWidget*(int)>& build) {
    auto* strips = new QHBoxLayout;
    for (int output = 1; output <= outputs; ++output) {
        if (output > 1) {
            auto* divider = new QFrame(parent);
            divider->setFrameShape(QFrame::VLine);
            divider->setFrameShadow(QFrame::Sunken);
            strips->addWidget(divider);
        }
        strips->addWidget(build(output));
    }
    return strips;
}

QLabel* AddStripName(QWidget* panel, QGridLayout* grid, int output) {
    auto* name = new QLabel(panel);
    name->setObjectName(QString("Channel%1Label").arg(output));
    name->setAlignment(Qt::AlignCenter);
    grid->addWidget(name, 0, 0, 1, 2);
    return name;
}

} // namespace quorvex
