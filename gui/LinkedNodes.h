// The doubly linked lists a container keeps its children in and a tab view its tabs in: nodes
// with previous and next pointers, held by the list's first and last node.
#pragma once

namespace VSTGUI {

template <typename Node>
void appendNode(Node*& first, Node*& last, Node* node)
{
    node->previous = last;
    if (last != nullptr)
        last->next = node;
    else
        first = node;
    last = node;
}

// Leaves the node's own pointers as they were, so a caller can still see its neighbours.
template <typename Node>
void unlinkNode(Node*& first, Node*& last, Node* node)
{
    if (node->previous != nullptr)
        node->previous->next = node->next;
    else
        first = node->next;
    if (node->next != nullptr)
        node->next->previous = node->previous;
    else
        last = node->previous;
}

} // namespace VSTGUI
