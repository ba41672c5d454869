// expressionnode.cpp - expression tree nodes: copying and deleting whole
// trees without recursion.
#include "expressionnode.h"

#include <utility>
#include <vector>

void ExpressionNode::deleteTree(ExpressionNode *root) {
  // Rotating each left child up frees the tree in one walk without a stack,
  // however deep it is.
  ExpressionNode *node = root;
  while (node) {
    if (ExpressionNode *left = node->left) {
      node->left = left->right;
      left->right = node;
      node = left;
    } else {
      ExpressionNode *right = node->right;
      delete node;
      node = right;
    }
  }
}

ExpressionNode *ExpressionNode::copyNode() const {
  if (isNumber()) {
    auto *n = static_cast<const ExpressionNumberNode *>(this);
    return new ExpressionNumberNode(n->getValue(), n->isFloat(),
                                    n->getSubsection());
  }
  if (isSymbol()) {
    auto *s = static_cast<const ExpressionSymbolNode *>(this);
    return new ExpressionSymbolNode(s->getSymbol(), s->getSymbolValue(),
                                    s->getAddend());
  }
  return new ExpressionNode(value);
}

ExpressionNode *ExpressionNode::copyTree(const ExpressionNode *root) {
  if (!root)
    return nullptr;
  ExpressionNode *copy = root->copyNode();
  // Each entry: a source node whose children still need copying, and its
  // copy.
  std::vector<std::pair<const ExpressionNode *, ExpressionNode *>> pending;
  pending.emplace_back(root, copy);
  while (!pending.empty()) {
    auto [from, to] = pending.back();
    pending.pop_back();
    if (from->left) {
      to->left = from->left->copyNode();
      pending.emplace_back(from->left, to->left);
    }
    if (from->right) {
      to->right = from->right->copyNode();
      pending.emplace_back(from->right, to->right);
    }
  }
  return copy;
}
