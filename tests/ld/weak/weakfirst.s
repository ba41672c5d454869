; the first mention of foo is a weak reference
        .text
        .weak foo
        .globl main
main:   jmp foo
        complete
