// Keeps the resource library non-empty before any picture is added.
namespace zorvix {
int resourcesAnchor = 0;
}
