#pragma once
// The hourglass pointer for the length of a scope. Guards nest: the pointer
// comes back when the outermost one ends, whatever the way out (return,
// exception).
class sablier {
public:
    sablier();
    ~sablier();
    sablier(const sablier&) = delete;
    sablier& operator=(const sablier&) = delete;

    // Puts the pointer back before the end of the scope (a procedure that
    // goes on after its long part); the destructor then does nothing.
    void relâche();

private:
    bool actif_ = true;
};
