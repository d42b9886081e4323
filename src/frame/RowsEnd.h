// Ends a reading of the rows (see Rows.h). No include guard.
#undef PAGE
#undef PAGES
#undef GROUP
#undef LABEL
#undef BUTTON
#undef CHECK
#undef RADIO
#undef SCROLL
#undef TRACK
#undef COMBO
#undef EDIT
#undef MEMO
#undef LIST
