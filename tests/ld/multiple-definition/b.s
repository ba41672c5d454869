        .data
        .globl x, z
        .long 0, 0
x:      .long 2
z:      .long 3
        .text
        .globl y
p:      getl #2
        complete
y:      getl #3
        complete
