; What a compiler might write for calc.c: two paragraphs whose code the
; .loc lines tie to lines of calc.c, and no labels in the debugging
; information.
        .file 1 "calc.c"
        .text
        .globl start
start:
        .loc 1 3
        getl 2
        getl 3
        .loc 1 4
        addl @1, @2
        mull @1, 7
        .loc 1 5
        jmp done
        complete
done:
        .loc 1 8
        jmp done
        complete
