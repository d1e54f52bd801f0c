// Every kind of control in one include.
#pragma once

#include "window/model/captioned_controls.h"
#include "window/model/control.h"
#include "window/model/picture.h"
#include "window/model/scroll_bar.h"
#include "window/model/text_controls.h"
