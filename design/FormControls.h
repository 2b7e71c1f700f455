// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <cstddef>
#include <stdexcept>

// The controls of a Designer form that the code holds as an array, found by their names:
// name(i) for i = 0 to Count - 1. A form that lacks one is a mistake in the program, reported at
// once rather than left as a null pointer. The count a form holds is the code's to guard with a
// static_assert beside the call.
template<typename Control, std::size_t Count, typename Name>
std::array<Control *, Count> controlsByName(const QWidget &form, Name name)
{
    std::array<Control *, Count> controls {};
    for (std::size_t i = 0; i < Count; ++i) {
        controls[i] = form.findChild<Control *>(name(i));
        if (!controls[i])
            throw std::logic_error("The form " + form.objectName().toStdString() + " has no control "
                                   + name(i).toStdString());
    }
    return controls;
}

// The letter of answer k: A, B, C, D.
inline QChar answerLetter(std::size_t k)
{
    return { static_cast<char16_t>(u'A' + k) };
}
