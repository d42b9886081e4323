// The row kinds of the control tables (tabs/*.def). Each tab lists its
// controls once, one row per control, parents before children:
//
//   PAGE(Name, PageControl, "Caption")           a page of a page control
//   PAGES(Name, Parent, Flags)                   a page control
//   GROUP(Name, Parent, "Caption", Flags)        a group box
//   LABEL(Name, Parent, "Caption", Flags)
//   BUTTON(Name, Parent, "Caption", Flags)
//   CHECK(Name, Parent, "Caption", Checked, Flags)
//   RADIO(Name, Parent, "Caption", Checked, Flags)
//   SCROLL(Name, Parent, Min, Max, Position, LargeStep, Flags)
//   TRACK(Name, Parent, Min, Max, Position, LargeStep, Flags)
//   COMBO(Name, Parent, "Item|Item|...", ItemIndex, Flags)
//   EDIT(Name, Parent, "Text", Flags)
//   MEMO(Name, Parent, Flags)
//   LIST(Name, Parent, Flags)                    a value-list editor
//
// Flags are ControlFlags. A row of the wrong shape (a bar without its range)
// does not compile.
//
// The same rows are read twice: RowMembers.h turns them into the members of
// the tab's control struct, RowBuild.h into the calls that create the widgets.
// Include one of them, then the .def, then RowsEnd.h.
#pragma once

#include "frame/ControlTypes.h"
