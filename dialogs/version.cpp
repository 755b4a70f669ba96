// SPDX-FileCopyrightText: 2026 Dorvek Light contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/version.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel *boldLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(parent);
    QFont font = label->font();
    font.setPointSize(12);
    font.setWeight(QFont::Bold);
    label->setFont(font);
    label->setText(text);
    return label;
}

QHBoxLayout *centred(QWidget *widget)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(widget);
    row->addStretch();
    return row;
}

} // namespace

Version::Version()
{
    setWindowTitle(tr("Version"));
    setFixedSize(280, 220);

    label_soft_name = boldLabel(this, tr("Soft name:Dorvek Light"));
    label_version = boldLabel(this, tr("Version:Version 1.00o"));
    label_author = boldLabel(this, tr("Author name:Dorvek team"));
    label_mail = boldLabel(this, tr("E-mail:team@example.org"));
    label_url = boldLabel(this, tr("URL:https://example.org"));

    button_ok = new QPushButton(this);
    button_ok->setText(tr("OK"));

    auto *layout = new QVBoxLayout;
    layout->addStretch();
    for (QLabel *label : {label_soft_name, label_version, label_author, label_mail, label_url})
        layout->addLayout(centred(label));
    layout->addStretch();
    layout->addLayout(centred(button_ok));
    layout->addStretch();
    setLayout(layout);

    connect(button_ok, SIGNAL(clicked()), this, SLOT(push_ok_button()));
}

void Version::push_ok_button()
{
    close();
}
