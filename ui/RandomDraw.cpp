// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "RandomDraw.h"

#include <QDateTime>
#include <QRandomGenerator>

namespace {

QRandomGenerator &generator()
{
    static QRandomGenerator instance;
    return instance;
}

std::function<double()> &replacement()
{
    static std::function<double()> source;
    return source;
}

} // namespace

namespace RandomDraw {

void seedFromClock()
{
    generator().seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));
}

double next()
{
    if (replacement())
        return replacement()();
    return generator().generateDouble();
}

void replaceSource(std::function<double()> source)
{
    replacement() = std::move(source);
}

} // namespace RandomDraw
