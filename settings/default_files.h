#pragma once
// The data files the settings tool writes where they are missing.
#include "common/text_lines.h"

TextLines defaultShortcutLines();
TextLines defaultBookmarkLines();
TextLines defaultMenuLines();
TextLines defaultConfigLines();
