// Writes the tree mesh, "Mesh/Tree.x".
#include "decor/decornames.h"
#include "decor/treemesh.h"
#include "generator.h"

#include <cstdio>

namespace decor {
namespace {

void writeTree(const makedata::Context& context) {
    const TreeModel tree = buildTree();
    if (!tree.mesh.writeX(context.file(QString::fromStdString(TreeMeshFile)))) {
        std::fprintf(stderr, "make-data: can't write %s\n", TreeMeshFile);
    }
}

} // namespace
} // namespace decor

PW_DATA_GENERATOR("decor-tree", 100, decor::writeTree);
