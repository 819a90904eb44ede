#pragma once

class QFileDialog;

// Qt's own file chooser, readable right to left: a file's size, kind and
// date, and the folder's path, read left to right inside the right-to-left
// dialog instead of coming out turned about ("KiB 1.21"). Call it before
// the chooser is given a folder.
void MakeReadableRightToLeft(QFileDialog &chooser);
