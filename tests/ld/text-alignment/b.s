; a second paragraph, in its own object
        .text
        .globl b
b:      jmp b
        complete
