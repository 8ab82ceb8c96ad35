#pragma once

class DocumentManager;
class QWidget;

// "参加者リストから新規作成": runs the draw dialog with the options it had last time and opens the
// bracket drawn as a new one. The options are remembered when the dialog ends with OK.
void newBracketFromList(DocumentManager* documents, QWidget* window);
