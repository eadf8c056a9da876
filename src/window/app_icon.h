#pragma once

#include <QIcon>

// The window's icon: a small ball with a "V", drawn at start-up.
QIcon AppIcon();
