// Every control class of the window layer.
#pragma once

#include "app/framework/Buttons.h"
#include "app/framework/Decorations.h"
#include "app/framework/Listbox.h"
#include "app/framework/PictureControls.h"
#include "app/framework/RectControl.h"
#include "app/framework/ScrollBar.h"
#include "app/framework/TextControls.h"
