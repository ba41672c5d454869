; the definition of foo, called from here too
        .text
        .globl foo
foo:    getl #1
        complete
bar:    jmp foo
        complete
