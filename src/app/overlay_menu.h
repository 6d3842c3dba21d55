#pragma once
// The marks «Вид» draws over the sphere and the map: «Изолинии линиями» (the legend's levels as
// contour lines instead of tinted bands), «Контур диска», «Источник на сфере» and «Толщина
// линий» (1 to 4, for a projector). Each is a checkable action in step with the form's choice.

class FormControl;
class QMenu;

void AddOverlayActions(QMenu& view, FormControl& form);
