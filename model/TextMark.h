// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the tables that the program shows translated. The model keeps them as written
// (Russian, UTF-8); the view translates them under the context the mark names, and lupdate,
// told that this mark spells QT_TRANSLATE_NOOP (CMakeLists.txt), files them under it.
#pragma once

#define QUIRN_TRANSLATE_NOOP(context, text) text
