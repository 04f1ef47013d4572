admiral,	admiral,	car
