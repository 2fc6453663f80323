#include "ExportOptions.h"

namespace tw {

QString ExportOptions::explanation()
{
    return QStringLiteral(
        "Explanation of Export Options\r\n"
        "\r\n"
        "Use UserID\r\n"
        "Ticked: the Author, Doc. Creator and Last Used By fields give the GroupWise login ID of the user, "
        "in folder names and report columns alike.\r\n"
        "Not ticked: these fields give the user's full display name.\r\n"
        "Default: not ticked.\r\n"
        "\r\n"
        "Short Filename\r\n"
        "Ticked: each exported file is named after its document number and version number, for example "
        "1234_2.doc, whatever its subject; no length limit applies.\r\n"
        "Not ticked: each file is named after the document's subject, followed by _N and the document "
        "number, _V and the version number, and the file type, for example Budget 2004_N1234_V2.xls.\r\n"
        "Default: not ticked.\r\n"
        "\r\n"
        "Joliet Compatible\r\n"
        "Ticked: names taken from the subject are cut so that the whole file name is at most 64 characters "
        "long, as CD-ROM (Joliet) file systems require.\r\n"
        "Not ticked: file names may be up to 255 characters long.\r\n"
        "Default: ticked.\r\n"
        "\r\n"
        "Clean FileNames\r\n"
        "Ticked: the whole subject is used for the file name, cleaned of the characters a file name must "
        "not hold.\r\n"
        "Not ticked: only the part of the subject after its last \\ or : is used, cleaned the same way.\r\n"
        "Default: not ticked.\r\n"
        "Folder names made from document fields are always cleaned the same way.\r\n"
        "The characters \" * : ; = ? and \u00A6 are removed; + becomes &, / becomes -, < and [ become (, "
        "> and ] become ), and \\ becomes _.\r\n"
        "A subject that leaves nothing after cleaning gives the name Unknown Subject.\r\n");
}

} // namespace tw
