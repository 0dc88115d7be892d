// The file edit fixture under the names the file tree benchmark builds on.
#pragma once
#include "DirUtils.h"
#include "FileUtils.h"
#include "PathsFixture.h"

namespace filetreetest
{
class DropDirWndTest : public pathtest::FileEditTest
{
protected:
    static HTREEITEM Find(CDirTreeCtrl& tree, const std::string& path) { return pathtest::Find(tree, path); }
};
}
